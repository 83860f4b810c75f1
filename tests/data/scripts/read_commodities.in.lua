Commodity[MEAT].value = 10;
Commodity[MEAT].markup = 1.5;
Commodity[MEAT]:Membership(mainshopping);
Commodity[FISH]:Membership(STAYOVERSHOPPING);
Commodity[FISH]:Membership(EntertainmentShopping);
Commodity[FISH]:Membership(NONE);
Commodity[BREAD]:Membership MAINSHOPPING;
Commodity[DRINKS].value = 1e2; Commodity[DRINKS].markup = 3;
