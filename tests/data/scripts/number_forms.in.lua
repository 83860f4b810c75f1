BusinessInfo[CAFE].density = 1;
BusinessInfo[CAFE].electricalneed = 1;
BusinessInfo[CAFE].gasneed = 1;
BusinessInfo[CAFE].telecomneed = 1;
BusinessInfo[CAFE].timeinstore = 1;
BusinessInfo[CAFE].waterneed = 1;
BusinessInfo[CAFE].refurbcost = 1;
