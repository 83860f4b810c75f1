Commodity[MEAT].value = 10;
Commodity[MEAT].markup = 1.5;
Commodity[MEAT]:Membership(MAINSHOPPING);
Commodity[FISH].value = 11;	-- tab before the comment
commodity[fish]:membership( mainshopping );
Commodity[FISH].markup = 1;
Commodity[FRUIT_AND_VEG].value = 4;