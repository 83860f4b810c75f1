local x = 1; BusinessInfo[BAKERY].density = 0.125;
 y = 3 -- keep
BusinessInfo[BAKERY]:AddCommodity(BREAD,60);
 z = 1
BusinessInfo[BAKERY].gasneed = 0.00; -- no semicolon
BusinessInfo[BAKERY].maxside = 0; -- a comment
BusinessInfo[BAKERY].maxarea = 0;
BusinessInfo[BAKERY].minarea = 1;

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

BusinessInfo[BAKERY].closingtime = 0;
BusinessInfo[BAKERY].electricalneed = 0.00;
BusinessInfo[BAKERY].footprintband = 0;
BusinessInfo[BAKERY].maxheight = 0;
BusinessInfo[BAKERY].minarea = 0;
BusinessInfo[BAKERY].minheight = 0;
BusinessInfo[BAKERY].openingtime = 0;
BusinessInfo[BAKERY].refurbcost = 0;
BusinessInfo[BAKERY].stockcapacity = 0;
BusinessInfo[BAKERY].telecomneed = 0.00;
BusinessInfo[BAKERY].timeinstore = 0.00;
BusinessInfo[BAKERY].waterneed = 0.00;
