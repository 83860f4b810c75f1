BusinessInfo[CAFE].density = 0.1; 
BusinessInfo[CAFE].electricalneed = 1.01; 
BusinessInfo[CAFE].gasneed = 2.68; 
BusinessInfo[CAFE].telecomneed = 0.00; 
BusinessInfo[CAFE].timeinstore = 100000000000000000000.00; 
BusinessInfo[CAFE].waterneed = 100.00; 
BusinessInfo[CAFE].refurbcost = -32768; 

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

BusinessInfo[CAFE].closingtime = 0;
BusinessInfo[CAFE].footprintband = 0;
BusinessInfo[CAFE].maxarea = 0;
BusinessInfo[CAFE].maxheight = 0;
BusinessInfo[CAFE].maxside = 0;
BusinessInfo[CAFE].minarea = 0;
BusinessInfo[CAFE].minheight = 0;
BusinessInfo[CAFE].openingtime = 0;
BusinessInfo[CAFE].stockcapacity = 0;
