-------------------------------------------------------------------------------
-- commoditysettings.lua
--
-- The commodities sold in Tollgrove: base price, shop markup and the
-- shopping trip they belong to (MAINSHOPPING, ENTERTAINMENTSHOPPING or
-- STAYOVERSHOPPING).
-------------------------------------------------------------------------------

-- Meat
Commodity[MEAT].value = 7.00; 
Commodity[MEAT].markup = 1.30; 
Commodity[MEAT]:Membership(STAYOVERSHOPPING); 

-- Fish
Commodity[FISH].value = 7.25;
Commodity[FISH].markup = 1.35;
Commodity[FISH]:Membership(MAINSHOPPING);

-- Fruit & Veg
Commodity[FRUIT_AND_VEG].value = 2.5;
Commodity[FRUIT_AND_VEG].markup = 1.5;
Commodity[FRUIT_AND_VEG]:Membership(MAINSHOPPING);

-- Bread
Commodity[BREAD].value = 1.75;
Commodity[BREAD].markup = 1.6;
Commodity[BREAD]:Membership(MAINSHOPPING);

-- Dairy Produce
Commodity[DAIRY_PRODUCE].value = 2.25;
Commodity[DAIRY_PRODUCE].markup = 1.4;
Commodity[DAIRY_PRODUCE]:Membership(MAINSHOPPING);

-- Drinks
Commodity[DRINKS].value = 1.5;
Commodity[DRINKS].markup = 2.0;
Commodity[DRINKS]:Membership(MAINSHOPPING);

-- Sweets
Commodity[SWEETS].value = 1.0;
Commodity[SWEETS].markup = 1.8;
Commodity[SWEETS]:Membership(MAINSHOPPING);

-- Meals
Commodity[MEAL].value = 12.0;
Commodity[MEAL].markup = 2.5;
Commodity[MEAL]:Membership(ENTERTAINMENTSHOPPING);

-- Snacks
Commodity[SNACK].value = 3.5;
Commodity[SNACK].markup = 1.9;
Commodity[SNACK]:Membership(ENTERTAINMENTSHOPPING);

-- Fast Food
Commodity[FASTFOOD].value = 4.25;
Commodity[FASTFOOD].markup = 2.2;
Commodity[FASTFOOD]:Membership(ENTERTAINMENTSHOPPING);

-- Newspapers
Commodity[NEWSPAPER].value = 0.5;
Commodity[NEWSPAPER].markup = 1.25;
Commodity[NEWSPAPER]:Membership(MAINSHOPPING);

-- Books
Commodity[BOOKS].value = 9.99;
Commodity[BOOKS].markup = 1.45;
Commodity[BOOKS]:Membership(MAINSHOPPING);

-- Music Tapes
Commodity[MUSIC_TAPES].value = 8.5;
Commodity[MUSIC_TAPES].markup = 1.6;
Commodity[MUSIC_TAPES]:Membership(MAINSHOPPING);

-- Healthcare
Commodity[HEALTHCARE].value = 25.0;
Commodity[HEALTHCARE].markup = 1.2;
Commodity[HEALTHCARE]:Membership(MAINSHOPPING);

-- Recreational Goods
Commodity[RECREATIONAL_GOODS].value = 30.0;
Commodity[RECREATIONAL_GOODS].markup = 1.5;
Commodity[RECREATIONAL_GOODS]:Membership(MAINSHOPPING);

-- Jewellery
Commodity[JEWELLERY].value = 150.0;
Commodity[JEWELLERY].markup = 2.75;   -- collectors pay more
Commodity[JEWELLERY]:Membership(MAINSHOPPING);

-- Electrical Goods
Commodity[ELECTRICAL_GOODS].value = 85.0;
Commodity[ELECTRICAL_GOODS].markup = 1.35;
Commodity[ELECTRICAL_GOODS]:Membership(MAINSHOPPING);

-- Furniture
Commodity[FURNITURE].value = 120.0;
Commodity[FURNITURE].markup = 1.7;
Commodity[FURNITURE]:Membership(MAINSHOPPING);

-- Antiques
Commodity[ANTIQUES].value = 200.0;
Commodity[ANTIQUES].markup = 3.0;   -- collectors pay more
Commodity[ANTIQUES]:Membership(MAINSHOPPING);

-- Clothing
Commodity[CLOTHING].value = 35.0;
Commodity[CLOTHING].markup = 2.1;
Commodity[CLOTHING]:Membership(MAINSHOPPING);

-- Toys
Commodity[TOYS].value = 15.0;
Commodity[TOYS].markup = 1.9;
Commodity[TOYS]:Membership(MAINSHOPPING);

-- Tools & Hardware
Commodity[TOOLS_AND_HARDWARE].value = 18.5;
Commodity[TOOLS_AND_HARDWARE].markup = 1.55;
Commodity[TOOLS_AND_HARDWARE]:Membership(MAINSHOPPING);

-- Videos
Commodity[VIDEOS].value = 12.5;
Commodity[VIDEOS].markup = 1.75;
Commodity[VIDEOS]:Membership(MAINSHOPPING);

-- Computers
Commodity[COMPUTERS].value = 600.0;
Commodity[COMPUTERS].markup = 1.25;
Commodity[COMPUTERS]:Membership(MAINSHOPPING);

-- Souvenirs
Commodity[SOUVENIRS].value = 5.5;
Commodity[SOUVENIRS].markup = 3.25;   -- collectors pay more
Commodity[SOUVENIRS]:Membership(MAINSHOPPING);

-- Dancing
Commodity[DANCING].value = 8.0;
Commodity[DANCING].markup = 2.4;
Commodity[DANCING]:Membership(ENTERTAINMENTSHOPPING);

-- Live Performance
Commodity[PERFORMANCE].value = 22.0;
Commodity[PERFORMANCE].markup = 1.8;
Commodity[PERFORMANCE]:Membership(ENTERTAINMENTSHOPPING);

-- Movies
Commodity[MOVIES].value = 7.5;
Commodity[MOVIES].markup = 2.0;
Commodity[MOVIES]:Membership(ENTERTAINMENTSHOPPING);

-- Gaming
Commodity[GAMING].value = 3.0;
Commodity[GAMING].markup = 2.6;
Commodity[GAMING]:Membership(ENTERTAINMENTSHOPPING);

-- Cell Phones
Commodity[CELL_PHONES].value = 95.0;
Commodity[CELL_PHONES].markup = 1.6;
Commodity[CELL_PHONES]:Membership(MAINSHOPPING);

-- Vacations
Commodity[VACATIONS].value = 450.0;
Commodity[VACATIONS].markup = 1.15;
Commodity[VACATIONS]:Membership(STAYOVERSHOPPING);

-- Overnight Stay
Commodity[STAY_OVER].value = 60.0;
Commodity[STAY_OVER].markup = 1.4;
Commodity[STAY_OVER]:Membership(STAYOVERSHOPPING);

-- end of commoditysettings.lua
