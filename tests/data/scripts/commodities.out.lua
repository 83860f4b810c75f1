Commodity[MEAT].value = 10.00; 
Commodity[MEAT].markup = 1.50; 
Commodity[MEAT]:Membership(); 
Commodity[FISH].value = 12.35; -- tab before the comment
Commodity[FISH]:Membership(MAINSHOPPING); 
Commodity[FISH].markup = 2.00; 
Commodity[FRUIT_AND_VEG].value = 4;
