-- Business settings
BusinessInfo[BAKERY].closingtime = 18; 
BusinessInfo[BAKERY]:AddCommodity(BREAD,40); -- staple
 
BusinessInfo[BAKERY]:AddCommodity(SWEETS,10); 
BusinessInfo[BAKERY].density = 0.5; 
BusinessInfo[BAKERY].electricalneed = 3.00; 
BusinessInfo[BAKERY].footprintband = 2; 
BusinessInfo[BAKERY].maxarea = 4; 
BusinessInfo[BAKERY].maxheight = 3; 
BusinessInfo[BAKERY].maxside = 2; 
BusinessInfo[BAKERY].minarea = 1; 
BusinessInfo[BAKERY].minheight = 1; 
BusinessInfo[BAKERY].openingtime = 9; 
BusinessInfo[BAKERY].refurbcost = 500; -- value for money
BusinessInfo[BAKERY].stockcapacity = 120; 
BusinessInfo[BAKERY].telecomneed = 0.10; 
BusinessInfo[BAKERY].timeinstore = 0.75; 
BusinessInfo[BAKERY].waterneed = 2.50; 

BusinessInfo[BUTCHERS].closingtime = 19; 
BusinessInfo[BUTCHERS]:AddCommodity(MEAT,30); 
BusinessInfo[BUTCHERS]:AddCommodity(FISH, 0);
BusinessInfo[BUTCHERS].density = 3; 
BusinessInfo[BUTCHERS].electricalneed = 1.00; 
BusinessInfo[BUTCHERS].footprintband = 1; 
BusinessInfo[BUTCHERS].gasneed = 0.00; 
BusinessInfo[BUTCHERS].maxarea = 6; 
BusinessInfo[BUTCHERS].maxheight = 2; 
BusinessInfo[BUTCHERS].maxside = 3; 
BusinessInfo[BUTCHERS].minarea = 2; 
BusinessInfo[BUTCHERS].minheight = 1; 
BusinessInfo[BUTCHERS].openingtime = 9; 
BusinessInfo[BUTCHERS].refurbcost = 800; 
BusinessInfo[BUTCHERS].stockcapacity = 60; 
BusinessInfo[BUTCHERS].telecomneed = 0.50; 
BusinessInfo[BUTCHERS].timeinstore = 0.50; 
BusinessInfo[BUTCHERS].waterneed = 1.00; 
BusinessInfo[CAFE].density = 1;

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

BusinessInfo[BAKERY]:AddCommodity(FISH,5);
BusinessInfo[BAKERY].gasneed = 1.25;
