BusinessInfo[BAKERY].timeinstore = 0.75;
BusinessInfo[BAKERY].refurbcost = 400; -- value for money
BusinessInfo[BAKERY].density = .5;
BusinessInfo[BAKERY].minarea = 1;
BusinessInfo[BAKERY].maxarea = 4;
BusinessInfo[BAKERY].minheight = 1;
BusinessInfo[BAKERY].maxheight = 3;
BusinessInfo[BAKERY].maxside = 2;
BusinessInfo[BAKERY].stockcapacity = 120;
BusinessInfo[BAKERY].openingtime = 9;
BusinessInfo[BAKERY].closingtime = 18;
BusinessInfo[BAKERY].electricalneed = 2;
BusinessInfo[BAKERY].gasneed = 1.25;
BusinessInfo[BAKERY].telecomneed = 0.1;
BusinessInfo[BAKERY].waterneed = 2.5;
BusinessInfo[BAKERY].footprintband = 2;
BusinessInfo[BAKERY]:AddCommodity(BREAD, 50);
  BusinessInfo [BAKERY] : AddCommodity( SWEETS , 10 ); -- spaced
BusinessInfo[BAKERY]:AddCommodity(BREAD, 5);
BusinessInfo[BAKERY]:AddCommodity(, 7);
BusinessInfo[BAKERY]:AddCommodity(MEAT, 2.5);
BusinessInfo[BAKERY]:AddCommodity(FISH, 1);
BusinessInfo[BAKERY]:AddCommodity(TOYS, 9);
BusinessInfo[BAKERY]:AddCommodity(GAMING, 3);
BusinessInfo[FISH_MARKET]:AddCommodity(FISH, 40); -- a business line naming a commodity
