BusinessInfo["BAKERY"]:AddCommodity(BREAD, 50);
 
 
BusinessInfo[BUTCHERS]:AddCommodity(SWEETS,11); 
BusinessInfo[BUTCHERS]:AddCommodity(DRINKS,5); 

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

BusinessInfo[BAKERY].closingtime = 0;
BusinessInfo[BAKERY].density = 0;
BusinessInfo[BAKERY].electricalneed = 0.00;
BusinessInfo[BAKERY].footprintband = 0;
BusinessInfo[BAKERY].gasneed = 0.00;
BusinessInfo[BAKERY].maxarea = 0;
BusinessInfo[BAKERY].maxheight = 0;
BusinessInfo[BAKERY].maxside = 0;
BusinessInfo[BAKERY].minarea = 0;
BusinessInfo[BAKERY].minheight = 0;
BusinessInfo[BAKERY].openingtime = 0;
BusinessInfo[BAKERY].refurbcost = 0;
BusinessInfo[BAKERY].stockcapacity = 0;
BusinessInfo[BAKERY].telecomneed = 0.00;
BusinessInfo[BAKERY].timeinstore = 0.00;
BusinessInfo[BAKERY].waterneed = 0.00;
BusinessInfo[BUTCHERS].closingtime = 0;
BusinessInfo[BUTCHERS].density = 0;
BusinessInfo[BUTCHERS].electricalneed = 0.00;
BusinessInfo[BUTCHERS].footprintband = 0;
BusinessInfo[BUTCHERS].gasneed = 0.00;
BusinessInfo[BUTCHERS].maxarea = 0;
BusinessInfo[BUTCHERS].maxheight = 0;
BusinessInfo[BUTCHERS].maxside = 0;
BusinessInfo[BUTCHERS].minarea = 0;
BusinessInfo[BUTCHERS].minheight = 0;
BusinessInfo[BUTCHERS].openingtime = 0;
BusinessInfo[BUTCHERS].refurbcost = 0;
BusinessInfo[BUTCHERS].stockcapacity = 0;
BusinessInfo[BUTCHERS].telecomneed = 0.00;
BusinessInfo[BUTCHERS].timeinstore = 0.00;
BusinessInfo[BUTCHERS].waterneed = 0.00;
