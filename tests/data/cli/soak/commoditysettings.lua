-------------------------------------------------------------------------------
-- commoditysettings.lua
--
-- The commodities sold in Tollgrove: base price, shop markup and the
-- shopping trip they belong to (MAINSHOPPING, ENTERTAINMENTSHOPPING or
-- STAYOVERSHOPPING).
-------------------------------------------------------------------------------

-- Meat
Commodity[MEAT].value = 4.74; 
Commodity[MEAT].markup = 7.94; 
Commodity[MEAT]:Membership(MAINSHOPPING); 

-- Fish
Commodity[FISH].value = 6.49; 
Commodity[FISH].markup = 5.73; 
Commodity[FISH]:Membership(MAINSHOPPING); 

-- Fruit & Veg
Commodity[FRUIT_AND_VEG].value = 4.12; 
Commodity[FRUIT_AND_VEG].markup = 5.74; 
Commodity[FRUIT_AND_VEG]:Membership(MAINSHOPPING); 

-- Bread
Commodity[BREAD].value = 1.75;
Commodity[BREAD].markup = 1.6;
Commodity[BREAD]:Membership(MAINSHOPPING);

-- Dairy Produce
Commodity[DAIRY_PRODUCE].value = 4.98; 
Commodity[DAIRY_PRODUCE].markup = 8.93; 
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
Commodity[MEAL].value = 35.58; 
Commodity[MEAL].markup = 9.83; 
Commodity[MEAL]:Membership(ENTERTAINMENTSHOPPING); 

-- Snacks
Commodity[SNACK].value = 2.64; 
Commodity[SNACK].markup = 6.34; 
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
Commodity[BOOKS].value = 9.38; 
Commodity[BOOKS].markup = 6.55; 
Commodity[BOOKS]:Membership(MAINSHOPPING); 

-- Music Tapes
Commodity[MUSIC_TAPES].value = 7.31; 
Commodity[MUSIC_TAPES].markup = 4.70; 
Commodity[MUSIC_TAPES]:Membership(MAINSHOPPING); 

-- Healthcare
Commodity[HEALTHCARE].value = 43.62; 
Commodity[HEALTHCARE].markup = 9.27; 
Commodity[HEALTHCARE]:Membership(MAINSHOPPING); 

-- Recreational Goods
Commodity[RECREATIONAL_GOODS].value = 40.69; 
Commodity[RECREATIONAL_GOODS].markup = 6.27; 
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
Commodity[ANTIQUES].value = 353.92; 
Commodity[ANTIQUES].markup = 9.59; -- collectors pay more
Commodity[ANTIQUES]:Membership(MAINSHOPPING); 

-- Clothing
Commodity[CLOTHING].value = 35.62; 
Commodity[CLOTHING].markup = 5.78; 
Commodity[CLOTHING]:Membership(MAINSHOPPING); 

-- Toys
Commodity[TOYS].value = 15.0;
Commodity[TOYS].markup = 1.9;
Commodity[TOYS]:Membership(MAINSHOPPING);

-- Tools & Hardware
Commodity[TOOLS_AND_HARDWARE].value = 11.75; 
Commodity[TOOLS_AND_HARDWARE].markup = 6.80; 
Commodity[TOOLS_AND_HARDWARE]:Membership(MAINSHOPPING); 

-- Videos
Commodity[VIDEOS].value = 39.63; 
Commodity[VIDEOS].markup = 8.83; 
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
Commodity[CELL_PHONES].value = 31.97; 
Commodity[CELL_PHONES].markup = 3.52; 
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
