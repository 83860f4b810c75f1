Commodity["MEAT"].value = 10;
Commodity[MEAT].markup = 1;
Commodity["MEAT"]:Membership(MAINSHOPPING);
