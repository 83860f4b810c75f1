-- Business settings
BusinessInfo[BAKERY].closingtime = 17;
BusinessInfo[BAKERY]:AddCommodity(BREAD, 50);   -- staple
BusinessInfo[BAKERY]:AddCommodity(DAIRY_PRODUCE, 20); -- gone
  BusinessInfo[BAKERY]:AddCommodity( SWEETS , 10 );
BusinessInfo[BAKERY].density = 0.25;
BusinessInfo[BAKERY].electricalneed = 2;
BusinessInfo[BAKERY].footprintband = 2;
BusinessInfo[BAKERY].maxarea = 4;
BusinessInfo[BAKERY].maxheight = 3;
BusinessInfo[BAKERY].maxside = 2;
BusinessInfo[BAKERY].minarea = 1;
BusinessInfo[BAKERY].minheight = 1;
BusinessInfo[BAKERY].openingtime = 9;
BusinessInfo[BAKERY].refurbcost = 400; -- value for money
BusinessInfo[BAKERY].stockcapacity = 120;
BusinessInfo[BAKERY].telecomneed = 0.1;
BusinessInfo[BAKERY].timeinstore = 0.75;
BusinessInfo[BAKERY].waterneed = 2.5;

BusinessInfo[BUTCHERS].closingtime = 18;
BusinessInfo[BUTCHERS]:AddCommodity(MEAT, 30);
BusinessInfo[BUTCHERS]:AddCommodity(FISH, 0);
BusinessInfo[BUTCHERS].density = 2.5;
BusinessInfo[BUTCHERS].electricalneed = 1;
BusinessInfo[BUTCHERS].footprintband = 1;
BusinessInfo[BUTCHERS].gasneed = 0;
BusinessInfo[BUTCHERS].maxarea = 6;
BusinessInfo[BUTCHERS].maxheight = 2;
BusinessInfo[BUTCHERS].maxside = 3;
BusinessInfo[BUTCHERS].minarea = 2;
BusinessInfo[BUTCHERS].minheight = 1;
BusinessInfo[BUTCHERS].openingtime = 9;
BusinessInfo[BUTCHERS].refurbcost = 800;
BusinessInfo[BUTCHERS].stockcapacity = 60;
BusinessInfo[BUTCHERS].telecomneed = 0.5;
BusinessInfo[BUTCHERS].timeinstore = 0.5;
BusinessInfo[BUTCHERS].waterneed = 1;
BusinessInfo[CAFE].density = 1;
