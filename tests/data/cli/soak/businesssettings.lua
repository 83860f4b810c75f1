-------------------------------------------------------------------------------
-- businesssettings.lua
--
-- The business types of Tollgrove: size and shape of their buildings,
-- opening hours, their needs for utilities and what they sell.
--
--   AddCommodity(COMMODITY, share)   share is 1 to 100 per commodity
-------------------------------------------------------------------------------

-- ============================================================================
-- Shops
-- ============================================================================

-- Antique Store
BusinessInfo[ANTIQUE_STORE].timeinstore = 0.75; -- hours per customer
BusinessInfo[ANTIQUE_STORE].refurbcost = 2953; 
BusinessInfo[ANTIQUE_STORE].density = 0.5; 
BusinessInfo[ANTIQUE_STORE].minarea = 2; -- in plots
BusinessInfo[ANTIQUE_STORE].maxarea = 6; 
BusinessInfo[ANTIQUE_STORE].minheight = 1; 
BusinessInfo[ANTIQUE_STORE].maxheight = 3; -- storeys
BusinessInfo[ANTIQUE_STORE].maxside = 4; 
BusinessInfo[ANTIQUE_STORE].stockcapacity = 52; -- units
BusinessInfo[ANTIQUE_STORE].openingtime = 9; -- 24h clock
BusinessInfo[ANTIQUE_STORE].closingtime = 18; 
BusinessInfo[ANTIQUE_STORE].electricalneed = 0.40; 
BusinessInfo[ANTIQUE_STORE].gasneed = 0.96; 
BusinessInfo[ANTIQUE_STORE].telecomneed = 0.30; 
BusinessInfo[ANTIQUE_STORE].waterneed = 0.10; 
BusinessInfo[ANTIQUE_STORE].footprintband = 1; 
BusinessInfo[ANTIQUE_STORE]:AddCommodity(ANTIQUES,85); 
BusinessInfo[ANTIQUE_STORE]:AddCommodity(FURNITURE,15); 

-- Bakery
BusinessInfo[BAKERY].timeinstore = 0.25; 
BusinessInfo[BAKERY].refurbcost = 634; 
BusinessInfo[BAKERY].density = 1.5; 
BusinessInfo[BAKERY].minarea = 1; 
BusinessInfo[BAKERY].maxarea = 4; 
BusinessInfo[BAKERY].minheight = 1; 
BusinessInfo[BAKERY].maxheight = 2; 
BusinessInfo[BAKERY].maxside = 4; 
BusinessInfo[BAKERY].stockcapacity = 333; 
BusinessInfo[BAKERY].openingtime = 9; 
BusinessInfo[BAKERY].closingtime = 17; 
BusinessInfo[BAKERY].electricalneed = 0.50; 
BusinessInfo[BAKERY].telecomneed = 0.10; 
BusinessInfo[BAKERY].waterneed = 0.40; 
BusinessInfo[BAKERY].footprintband = 1; 
BusinessInfo[BAKERY]:AddCommodity(BREAD,80); 
BusinessInfo[BAKERY]:AddCommodity(SWEETS,20); 

-- Book Store
BusinessInfo[BOOK_STORE].timeinstore = 1.0;
BusinessInfo[BOOK_STORE].refurbcost = 1200;
BusinessInfo[BOOK_STORE].density = 0.75;
BusinessInfo[BOOK_STORE].minarea = 2;
BusinessInfo[BOOK_STORE].maxarea = 8;
BusinessInfo[BOOK_STORE].minheight = 1;
BusinessInfo[BOOK_STORE].maxheight = 3;
BusinessInfo[BOOK_STORE].maxside = 5;
BusinessInfo[BOOK_STORE].stockcapacity = 200;
BusinessInfo[BOOK_STORE].openingtime = 9;
BusinessInfo[BOOK_STORE].closingtime = 19;
BusinessInfo[BOOK_STORE].electricalneed = 0.3;
BusinessInfo[BOOK_STORE].gasneed = 0.1;
BusinessInfo[BOOK_STORE].telecomneed = 0.2;
BusinessInfo[BOOK_STORE].waterneed = 0.05;
BusinessInfo[BOOK_STORE].footprintband = 1;
	BusinessInfo[BOOK_STORE]:AddCommodity(BOOKS, 70);
	BusinessInfo[BOOK_STORE]:AddCommodity(NEWSPAPER, 20);
	BusinessInfo[BOOK_STORE]:AddCommodity(MUSIC_TAPES, 10);

-- Butchers
BusinessInfo[BUTCHERS].timeinstore = 0.30; -- hours per customer
BusinessInfo[BUTCHERS].refurbcost = 2700; 
BusinessInfo[BUTCHERS].density = 1.25; 
BusinessInfo[BUTCHERS].minarea = 1; -- in plots
BusinessInfo[BUTCHERS].maxarea = 4; 
BusinessInfo[BUTCHERS].minheight = 1; 
BusinessInfo[BUTCHERS].maxheight = 2; -- storeys
BusinessInfo[BUTCHERS].maxside = 4; 
BusinessInfo[BUTCHERS].stockcapacity = 91; -- units
BusinessInfo[BUTCHERS].openingtime = 9; -- 24h clock
BusinessInfo[BUTCHERS].closingtime = 17; 
BusinessInfo[BUTCHERS].electricalneed = 0.60; 
BusinessInfo[BUTCHERS].gasneed = 0.89; 
BusinessInfo[BUTCHERS].telecomneed = 0.10; 
BusinessInfo[BUTCHERS].waterneed = 0.50; 
BusinessInfo[BUTCHERS].footprintband = 1; 
BusinessInfo[BUTCHERS]:AddCommodity(MEAT,100); 

-- Cafe
BusinessInfo[CAFE].timeinstore = 0.5;
BusinessInfo[CAFE].refurbcost = 1000;
BusinessInfo[CAFE].density = 2.0;
BusinessInfo[CAFE].minarea = 1;
BusinessInfo[CAFE].maxarea = 5;
BusinessInfo[CAFE].minheight = 1;
BusinessInfo[CAFE].maxheight = 2;
BusinessInfo[CAFE].maxside = 4;
BusinessInfo[CAFE].stockcapacity = 60;
BusinessInfo[CAFE].openingtime = 9;
BusinessInfo[CAFE].closingtime = 20;
BusinessInfo[CAFE].electricalneed = 0.4;
BusinessInfo[CAFE].gasneed = 0.6;
BusinessInfo[CAFE].telecomneed = 0.2;
BusinessInfo[CAFE].waterneed = 0.6;
BusinessInfo[CAFE].footprintband = 1;
	BusinessInfo[CAFE]:AddCommodity(MEAL, 40);
	BusinessInfo[CAFE]:AddCommodity(DRINKS, 35);
	BusinessInfo[CAFE]:AddCommodity(SNACK, 25);

-- Clothes Store
BusinessInfo[CLOTHES_STORE].timeinstore = 0.8;
BusinessInfo[CLOTHES_STORE].refurbcost = 2200;
BusinessInfo[CLOTHES_STORE].density = 0.8;
BusinessInfo[CLOTHES_STORE].minarea = 2;
BusinessInfo[CLOTHES_STORE].maxarea = 10;
BusinessInfo[CLOTHES_STORE].minheight = 1;
BusinessInfo[CLOTHES_STORE].maxheight = 4;
BusinessInfo[CLOTHES_STORE].maxside = 5;
BusinessInfo[CLOTHES_STORE].stockcapacity = 250;
BusinessInfo[CLOTHES_STORE].openingtime = 9;
BusinessInfo[CLOTHES_STORE].closingtime = 19;
BusinessInfo[CLOTHES_STORE].electricalneed = 0.5;
BusinessInfo[CLOTHES_STORE].gasneed = 0.2;
BusinessInfo[CLOTHES_STORE].telecomneed = 0.2;
BusinessInfo[CLOTHES_STORE].waterneed = 0.1;
BusinessInfo[CLOTHES_STORE].footprintband = 2;
	BusinessInfo[CLOTHES_STORE]:AddCommodity(CLOTHING, 100);

-- Computer Store
BusinessInfo[COMPUTER_STORE].timeinstore = 0.9;  -- hours per customer
BusinessInfo[COMPUTER_STORE].refurbcost = 3000;
BusinessInfo[COMPUTER_STORE].density = 0.6;
BusinessInfo[COMPUTER_STORE].minarea = 2;  -- in plots
BusinessInfo[COMPUTER_STORE].maxarea = 9;
BusinessInfo[COMPUTER_STORE].minheight = 1;
BusinessInfo[COMPUTER_STORE].maxheight = 3;  -- storeys
BusinessInfo[COMPUTER_STORE].maxside = 5;
BusinessInfo[COMPUTER_STORE].stockcapacity = 150;  -- units
BusinessInfo[COMPUTER_STORE].openingtime = 9;  -- 24h clock
BusinessInfo[COMPUTER_STORE].closingtime = 19;
BusinessInfo[COMPUTER_STORE].electricalneed = 0.9;
BusinessInfo[COMPUTER_STORE].gasneed = 0.1;
BusinessInfo[COMPUTER_STORE].telecomneed = 0.8;
BusinessInfo[COMPUTER_STORE].waterneed = 0.05;
BusinessInfo[COMPUTER_STORE].footprintband = 2;
	BusinessInfo[COMPUTER_STORE]:AddCommodity(COMPUTERS, 75);
	BusinessInfo[COMPUTER_STORE]:AddCommodity(ELECTRICAL_GOODS, 15);
	BusinessInfo[COMPUTER_STORE]:AddCommodity(CELL_PHONES, 10);

-- Cheese Store
BusinessInfo[CHEESE_STORE].timeinstore = 0.30; 
BusinessInfo[CHEESE_STORE].refurbcost = 425; 
BusinessInfo[CHEESE_STORE].density = 1.25; 
BusinessInfo[CHEESE_STORE].minarea = 1; 
BusinessInfo[CHEESE_STORE].maxarea = 3; 
BusinessInfo[CHEESE_STORE].minheight = 1; 
BusinessInfo[CHEESE_STORE].maxheight = 2; 
BusinessInfo[CHEESE_STORE].maxside = 4; 
BusinessInfo[CHEESE_STORE].stockcapacity = 79; 
BusinessInfo[CHEESE_STORE].openingtime = 9; 
BusinessInfo[CHEESE_STORE].closingtime = 17; 
BusinessInfo[CHEESE_STORE].electricalneed = 0.50; 
BusinessInfo[CHEESE_STORE].gasneed = 0.82; 
BusinessInfo[CHEESE_STORE].telecomneed = 0.10; 
BusinessInfo[CHEESE_STORE].waterneed = 0.30; 
BusinessInfo[CHEESE_STORE].footprintband = 1; 
BusinessInfo[CHEESE_STORE]:AddCommodity(DAIRY_PRODUCE,90); 
BusinessInfo[CHEESE_STORE]:AddCommodity(DRINKS,10); 

-- Deli
BusinessInfo[DELI].timeinstore = 0.35;
BusinessInfo[DELI].refurbcost = 1000;
BusinessInfo[DELI].density = 1.5;
BusinessInfo[DELI].minarea = 1;
BusinessInfo[DELI].maxarea = 4;
BusinessInfo[DELI].minheight = 1;
BusinessInfo[DELI].maxheight = 2;
BusinessInfo[DELI].maxside = 4;
BusinessInfo[DELI].stockcapacity = 90;
BusinessInfo[DELI].openingtime = 9;
BusinessInfo[DELI].closingtime = 20;
BusinessInfo[DELI].electricalneed = 0.55;
BusinessInfo[DELI].gasneed = 0.3;
BusinessInfo[DELI].telecomneed = 0.1;
BusinessInfo[DELI].waterneed = 0.35;
BusinessInfo[DELI].footprintband = 1;
	BusinessInfo[DELI]:AddCommodity(MEAT, 30);
	BusinessInfo[DELI]:AddCommodity(DAIRY_PRODUCE, 30);
	BusinessInfo[DELI]:AddCommodity(BREAD, 20);
	BusinessInfo[DELI]:AddCommodity(SNACK, 20);

-- Department Store
BusinessInfo[DEPARTMENT_STORE].timeinstore = 1.5;  -- hours per customer
BusinessInfo[DEPARTMENT_STORE].refurbcost = 9000;
BusinessInfo[DEPARTMENT_STORE].density = 0.4;
BusinessInfo[DEPARTMENT_STORE].minarea = 12;  -- in plots
BusinessInfo[DEPARTMENT_STORE].maxarea = 36;
BusinessInfo[DEPARTMENT_STORE].minheight = 2;
BusinessInfo[DEPARTMENT_STORE].maxheight = 8;  -- storeys
BusinessInfo[DEPARTMENT_STORE].maxside = 7;
BusinessInfo[DEPARTMENT_STORE].stockcapacity = 900;  -- units
BusinessInfo[DEPARTMENT_STORE].openingtime = 9;  -- 24h clock
BusinessInfo[DEPARTMENT_STORE].closingtime = 20;
BusinessInfo[DEPARTMENT_STORE].electricalneed = 2.5;
BusinessInfo[DEPARTMENT_STORE].gasneed = 1.2;
BusinessInfo[DEPARTMENT_STORE].telecomneed = 1.1;
BusinessInfo[DEPARTMENT_STORE].waterneed = 0.8;
BusinessInfo[DEPARTMENT_STORE].footprintband = 4;
	BusinessInfo[DEPARTMENT_STORE]:AddCommodity(CLOTHING, 30);
	BusinessInfo[DEPARTMENT_STORE]:AddCommodity(FURNITURE, 20);
	BusinessInfo[DEPARTMENT_STORE]:AddCommodity(ELECTRICAL_GOODS, 15);
	BusinessInfo[DEPARTMENT_STORE]:AddCommodity(TOYS, 15);
	BusinessInfo[DEPARTMENT_STORE]:AddCommodity(JEWELLERY, 10);
	BusinessInfo[DEPARTMENT_STORE]:AddCommodity(RECREATIONAL_GOODS, 10);

-- Diner
BusinessInfo[DINER].timeinstore = 0.60; 
BusinessInfo[DINER].refurbcost = 4783; 
BusinessInfo[DINER].density = 1.75; 
BusinessInfo[DINER].minarea = 2; 
BusinessInfo[DINER].maxarea = 6; 
BusinessInfo[DINER].minheight = 1; 
BusinessInfo[DINER].maxheight = 2; 
BusinessInfo[DINER].maxside = 4; 
BusinessInfo[DINER].stockcapacity = 10; 
BusinessInfo[DINER].openingtime = 0; 
BusinessInfo[DINER].closingtime = 23; 
BusinessInfo[DINER].electricalneed = 0.70; 
BusinessInfo[DINER].gasneed = 0.75; 
BusinessInfo[DINER].telecomneed = 0.10; 
BusinessInfo[DINER].waterneed = 0.70; 
BusinessInfo[DINER].footprintband = 1; 
BusinessInfo[DINER]:AddCommodity(MEAL,70); 
BusinessInfo[DINER]:AddCommodity(DRINKS,30); 

-- Doctor's Surgery
BusinessInfo[DOCTORS_SURGERY].timeinstore = 0.5;
BusinessInfo[DOCTORS_SURGERY].refurbcost = 2500;
BusinessInfo[DOCTORS_SURGERY].density = 0.9;
BusinessInfo[DOCTORS_SURGERY].minarea = 2;
BusinessInfo[DOCTORS_SURGERY].maxarea = 6;
BusinessInfo[DOCTORS_SURGERY].minheight = 1;
BusinessInfo[DOCTORS_SURGERY].maxheight = 2;
BusinessInfo[DOCTORS_SURGERY].maxside = 4;
BusinessInfo[DOCTORS_SURGERY].stockcapacity = 30;
BusinessInfo[DOCTORS_SURGERY].openingtime = 9;
BusinessInfo[DOCTORS_SURGERY].closingtime = 18;
BusinessInfo[DOCTORS_SURGERY].electricalneed = 0.6;
BusinessInfo[DOCTORS_SURGERY].gasneed = 0.3;
BusinessInfo[DOCTORS_SURGERY].telecomneed = 0.4;
BusinessInfo[DOCTORS_SURGERY].waterneed = 0.5;
BusinessInfo[DOCTORS_SURGERY].footprintband = 1;
	BusinessInfo[DOCTORS_SURGERY]:AddCommodity(HEALTHCARE, 100);

-- Electrical Store
BusinessInfo[ELECTRICAL_STORE].timeinstore = 0.7;  -- hours per customer
BusinessInfo[ELECTRICAL_STORE].refurbcost = 2000;
BusinessInfo[ELECTRICAL_STORE].density = 0.7;
BusinessInfo[ELECTRICAL_STORE].minarea = 2;  -- in plots
BusinessInfo[ELECTRICAL_STORE].maxarea = 8;
BusinessInfo[ELECTRICAL_STORE].minheight = 1;
BusinessInfo[ELECTRICAL_STORE].maxheight = 3;  -- storeys
BusinessInfo[ELECTRICAL_STORE].maxside = 5;
BusinessInfo[ELECTRICAL_STORE].stockcapacity = 180;  -- units
BusinessInfo[ELECTRICAL_STORE].openingtime = 9;  -- 24h clock
BusinessInfo[ELECTRICAL_STORE].closingtime = 19;
BusinessInfo[ELECTRICAL_STORE].electricalneed = 0.8;
BusinessInfo[ELECTRICAL_STORE].gasneed = 0.1;
BusinessInfo[ELECTRICAL_STORE].telecomneed = 0.3;
BusinessInfo[ELECTRICAL_STORE].waterneed = 0.05;
BusinessInfo[ELECTRICAL_STORE].footprintband = 2;
	BusinessInfo[ELECTRICAL_STORE]:AddCommodity(ELECTRICAL_GOODS, 80);
	BusinessInfo[ELECTRICAL_STORE]:AddCommodity(VIDEOS, 10);
	BusinessInfo[ELECTRICAL_STORE]:AddCommodity(CELL_PHONES, 10);

-- Electrical Superstore
BusinessInfo[ELECTRICAL_SUPERSTORE].timeinstore = 1.20; 
BusinessInfo[ELECTRICAL_SUPERSTORE].refurbcost = 4202; 
BusinessInfo[ELECTRICAL_SUPERSTORE].density = 0.35; 
BusinessInfo[ELECTRICAL_SUPERSTORE].minarea = 10; 
BusinessInfo[ELECTRICAL_SUPERSTORE].maxarea = 30; 
BusinessInfo[ELECTRICAL_SUPERSTORE].minheight = 1; 
BusinessInfo[ELECTRICAL_SUPERSTORE].maxheight = 3; 
BusinessInfo[ELECTRICAL_SUPERSTORE].maxside = 6; 
BusinessInfo[ELECTRICAL_SUPERSTORE].stockcapacity = 903; 
BusinessInfo[ELECTRICAL_SUPERSTORE].openingtime = 9; 
BusinessInfo[ELECTRICAL_SUPERSTORE].closingtime = 21; 
BusinessInfo[ELECTRICAL_SUPERSTORE].electricalneed = 2.20; 
BusinessInfo[ELECTRICAL_SUPERSTORE].gasneed = 0.59; 
BusinessInfo[ELECTRICAL_SUPERSTORE].telecomneed = 0.90; 
BusinessInfo[ELECTRICAL_SUPERSTORE].waterneed = 0.20; 
BusinessInfo[ELECTRICAL_SUPERSTORE].footprintband = 4; 
BusinessInfo[ELECTRICAL_SUPERSTORE]:AddCommodity(ELECTRICAL_GOODS,50); 
BusinessInfo[ELECTRICAL_SUPERSTORE]:AddCommodity(COMPUTERS,25); 
BusinessInfo[ELECTRICAL_SUPERSTORE]:AddCommodity(CELL_PHONES,15); 
BusinessInfo[ELECTRICAL_SUPERSTORE]:AddCommodity(VIDEOS,10); 

-- Fish Market
BusinessInfo[FISH_MARKET].timeinstore = 0.40; 
BusinessInfo[FISH_MARKET].refurbcost = 574; 
BusinessInfo[FISH_MARKET].density = 1.1; 
BusinessInfo[FISH_MARKET].minarea = 2; 
BusinessInfo[FISH_MARKET].maxarea = 6; 
BusinessInfo[FISH_MARKET].minheight = 1; 
BusinessInfo[FISH_MARKET].maxheight = 1; 
BusinessInfo[FISH_MARKET].maxside = 4; 
BusinessInfo[FISH_MARKET].stockcapacity = 722; 
BusinessInfo[FISH_MARKET].openingtime = 0; 
BusinessInfo[FISH_MARKET].closingtime = 14; 
BusinessInfo[FISH_MARKET].electricalneed = 0.50; 
BusinessInfo[FISH_MARKET].gasneed = 0.45; 
BusinessInfo[FISH_MARKET].telecomneed = 0.05; 
BusinessInfo[FISH_MARKET].waterneed = 0.90; 
BusinessInfo[FISH_MARKET].footprintband = 2; 
BusinessInfo[FISH_MARKET]:AddCommodity(FISH,100); 

-- Furniture Store
BusinessInfo[FURNITURE_STORE].timeinstore = 1.10; -- hours per customer
BusinessInfo[FURNITURE_STORE].refurbcost = 5781; 
BusinessInfo[FURNITURE_STORE].density = 0.3; 
BusinessInfo[FURNITURE_STORE].minarea = 4; -- in plots
BusinessInfo[FURNITURE_STORE].maxarea = 16; 
BusinessInfo[FURNITURE_STORE].minheight = 1; 
BusinessInfo[FURNITURE_STORE].maxheight = 3; -- storeys
BusinessInfo[FURNITURE_STORE].maxside = 5; 
BusinessInfo[FURNITURE_STORE].stockcapacity = 934; -- units
BusinessInfo[FURNITURE_STORE].openingtime = 9; -- 24h clock
BusinessInfo[FURNITURE_STORE].closingtime = 18; 
BusinessInfo[FURNITURE_STORE].electricalneed = 0.60; 
BusinessInfo[FURNITURE_STORE].gasneed = 0.45; 
BusinessInfo[FURNITURE_STORE].telecomneed = 0.20; 
BusinessInfo[FURNITURE_STORE].waterneed = 0.10; 
BusinessInfo[FURNITURE_STORE].footprintband = 3; 
BusinessInfo[FURNITURE_STORE]:AddCommodity(FURNITURE,90); 
BusinessInfo[FURNITURE_STORE]:AddCommodity(ANTIQUES,10); 

-- General Store
BusinessInfo[GENERAL_STORE].timeinstore = 0.40; 
BusinessInfo[GENERAL_STORE].refurbcost = 7235; 
BusinessInfo[GENERAL_STORE].density = 1.5; 
BusinessInfo[GENERAL_STORE].minarea = 1; 
BusinessInfo[GENERAL_STORE].maxarea = 6; 
BusinessInfo[GENERAL_STORE].minheight = 1; 
BusinessInfo[GENERAL_STORE].maxheight = 2; 
BusinessInfo[GENERAL_STORE].maxside = 4; 
BusinessInfo[GENERAL_STORE].stockcapacity = 947; 
BusinessInfo[GENERAL_STORE].openingtime = 0; 
BusinessInfo[GENERAL_STORE].closingtime = 23; 
BusinessInfo[GENERAL_STORE].electricalneed = 0.70; 
BusinessInfo[GENERAL_STORE].gasneed = 0.93; 
BusinessInfo[GENERAL_STORE].telecomneed = 0.20; 
BusinessInfo[GENERAL_STORE].waterneed = 0.20; 
BusinessInfo[GENERAL_STORE].footprintband = 1; 
BusinessInfo[GENERAL_STORE]:AddCommodity(BREAD,20); 
BusinessInfo[GENERAL_STORE]:AddCommodity(DAIRY_PRODUCE,20); 
BusinessInfo[GENERAL_STORE]:AddCommodity(DRINKS,20); 
BusinessInfo[GENERAL_STORE]:AddCommodity(SWEETS,15); 
BusinessInfo[GENERAL_STORE]:AddCommodity(NEWSPAPER,15); 
BusinessInfo[GENERAL_STORE]:AddCommodity(SNACK,10); 

-- Greengrocers
BusinessInfo[GREENGROCERS].timeinstore = 0.3;
BusinessInfo[GREENGROCERS].refurbcost = 850;
BusinessInfo[GREENGROCERS].density = 1.25;
BusinessInfo[GREENGROCERS].minarea = 1;
BusinessInfo[GREENGROCERS].maxarea = 4;
BusinessInfo[GREENGROCERS].minheight = 1;
BusinessInfo[GREENGROCERS].maxheight = 2;
BusinessInfo[GREENGROCERS].maxside = 4;
BusinessInfo[GREENGROCERS].stockcapacity = 120;
BusinessInfo[GREENGROCERS].openingtime = 9;
BusinessInfo[GREENGROCERS].closingtime = 17;
BusinessInfo[GREENGROCERS].electricalneed = 0.3;
BusinessInfo[GREENGROCERS].gasneed = 0.1;
BusinessInfo[GREENGROCERS].telecomneed = 0.1;
BusinessInfo[GREENGROCERS].waterneed = 0.6;
BusinessInfo[GREENGROCERS].footprintband = 1;
	BusinessInfo[GREENGROCERS]:AddCommodity(FRUIT_AND_VEG, 100);

-- Hardware Store
BusinessInfo[HARDWARE_STORE].timeinstore = 0.6;  -- hours per customer
BusinessInfo[HARDWARE_STORE].refurbcost = 1900;
BusinessInfo[HARDWARE_STORE].density = 0.6;
BusinessInfo[HARDWARE_STORE].minarea = 2;  -- in plots
BusinessInfo[HARDWARE_STORE].maxarea = 10;
BusinessInfo[HARDWARE_STORE].minheight = 1;
BusinessInfo[HARDWARE_STORE].maxheight = 2;  -- storeys
BusinessInfo[HARDWARE_STORE].maxside = 5;
BusinessInfo[HARDWARE_STORE].stockcapacity = 260;  -- units
BusinessInfo[HARDWARE_STORE].openingtime = 9;  -- 24h clock
BusinessInfo[HARDWARE_STORE].closingtime = 18;
BusinessInfo[HARDWARE_STORE].electricalneed = 0.5;
BusinessInfo[HARDWARE_STORE].gasneed = 0.2;
BusinessInfo[HARDWARE_STORE].telecomneed = 0.2;
BusinessInfo[HARDWARE_STORE].waterneed = 0.1;
BusinessInfo[HARDWARE_STORE].footprintband = 2;
	BusinessInfo[HARDWARE_STORE]:AddCommodity(TOOLS_AND_HARDWARE, 90);
	BusinessInfo[HARDWARE_STORE]:AddCommodity(FURNITURE, 10);

-- Health Clinic
BusinessInfo[HEALTH_CLINIC].timeinstore = 0.8;
BusinessInfo[HEALTH_CLINIC].refurbcost = 4200;
BusinessInfo[HEALTH_CLINIC].density = 0.8;
BusinessInfo[HEALTH_CLINIC].minarea = 3;
BusinessInfo[HEALTH_CLINIC].maxarea = 12;
BusinessInfo[HEALTH_CLINIC].minheight = 1;
BusinessInfo[HEALTH_CLINIC].maxheight = 4;
BusinessInfo[HEALTH_CLINIC].maxside = 5;
BusinessInfo[HEALTH_CLINIC].stockcapacity = 40;
BusinessInfo[HEALTH_CLINIC].openingtime = 9;
BusinessInfo[HEALTH_CLINIC].closingtime = 21;
BusinessInfo[HEALTH_CLINIC].electricalneed = 1.1;
BusinessInfo[HEALTH_CLINIC].gasneed = 0.6;
BusinessInfo[HEALTH_CLINIC].telecomneed = 0.5;
BusinessInfo[HEALTH_CLINIC].waterneed = 0.9;
BusinessInfo[HEALTH_CLINIC].footprintband = 2;
	BusinessInfo[HEALTH_CLINIC]:AddCommodity(HEALTHCARE, 100);

-- Ice Cream Parlour
BusinessInfo[ICECREAM_PARLOUR].timeinstore = 0.30; 
BusinessInfo[ICECREAM_PARLOUR].refurbcost = 263; 
BusinessInfo[ICECREAM_PARLOUR].density = 2; 
BusinessInfo[ICECREAM_PARLOUR].minarea = 1; 
BusinessInfo[ICECREAM_PARLOUR].maxarea = 3; 
BusinessInfo[ICECREAM_PARLOUR].minheight = 1; 
BusinessInfo[ICECREAM_PARLOUR].maxheight = 1; 
BusinessInfo[ICECREAM_PARLOUR].maxside = 4; 
BusinessInfo[ICECREAM_PARLOUR].stockcapacity = 14; 
BusinessInfo[ICECREAM_PARLOUR].openingtime = 9; 
BusinessInfo[ICECREAM_PARLOUR].closingtime = 22; 
BusinessInfo[ICECREAM_PARLOUR].electricalneed = 0.80; 
BusinessInfo[ICECREAM_PARLOUR].gasneed = 0.25; 
BusinessInfo[ICECREAM_PARLOUR].telecomneed = 0.05; 
BusinessInfo[ICECREAM_PARLOUR].waterneed = 0.40; 
BusinessInfo[ICECREAM_PARLOUR].footprintband = 1; 
BusinessInfo[ICECREAM_PARLOUR]:AddCommodity(SWEETS,70); 
BusinessInfo[ICECREAM_PARLOUR]:AddCommodity(DRINKS,30); 

-- Jewellers
BusinessInfo[JEWELLERS].timeinstore = 0.6;  -- hours per customer
BusinessInfo[JEWELLERS].refurbcost = 2800;
BusinessInfo[JEWELLERS].density = 0.9;
BusinessInfo[JEWELLERS].minarea = 1;  -- in plots
BusinessInfo[JEWELLERS].maxarea = 4;
BusinessInfo[JEWELLERS].minheight = 1;
BusinessInfo[JEWELLERS].maxheight = 2;  -- storeys
BusinessInfo[JEWELLERS].maxside = 4;
BusinessInfo[JEWELLERS].stockcapacity = 50;  -- units
BusinessInfo[JEWELLERS].openingtime = 9;  -- 24h clock
BusinessInfo[JEWELLERS].closingtime = 18;
BusinessInfo[JEWELLERS].electricalneed = 0.3;
BusinessInfo[JEWELLERS].gasneed = 0.1;
BusinessInfo[JEWELLERS].telecomneed = 0.3;
BusinessInfo[JEWELLERS].waterneed = 0.05;
BusinessInfo[JEWELLERS].footprintband = 1;
	BusinessInfo[JEWELLERS]:AddCommodity(JEWELLERY, 100);

-- Music Store
BusinessInfo[MUSIC_STORE].timeinstore = 0.7;
BusinessInfo[MUSIC_STORE].refurbcost = 1500;
BusinessInfo[MUSIC_STORE].density = 0.8;
BusinessInfo[MUSIC_STORE].minarea = 1;
BusinessInfo[MUSIC_STORE].maxarea = 6;
BusinessInfo[MUSIC_STORE].minheight = 1;
BusinessInfo[MUSIC_STORE].maxheight = 2;
BusinessInfo[MUSIC_STORE].maxside = 4;
BusinessInfo[MUSIC_STORE].stockcapacity = 140;
BusinessInfo[MUSIC_STORE].openingtime = 9;
BusinessInfo[MUSIC_STORE].closingtime = 19;
BusinessInfo[MUSIC_STORE].electricalneed = 0.5;
BusinessInfo[MUSIC_STORE].gasneed = 0.1;
BusinessInfo[MUSIC_STORE].telecomneed = 0.2;
BusinessInfo[MUSIC_STORE].waterneed = 0.05;
BusinessInfo[MUSIC_STORE].footprintband = 1;
	BusinessInfo[MUSIC_STORE]:AddCommodity(MUSIC_TAPES, 85);
	BusinessInfo[MUSIC_STORE]:AddCommodity(VIDEOS, 15);

-- News Stand
BusinessInfo[NEWS_STAND].timeinstore = 0.1;
BusinessInfo[NEWS_STAND].refurbcost = 300;
BusinessInfo[NEWS_STAND].density = 3.0;
BusinessInfo[NEWS_STAND].minarea = 1;
BusinessInfo[NEWS_STAND].maxarea = 1;
BusinessInfo[NEWS_STAND].minheight = 1;
BusinessInfo[NEWS_STAND].maxheight = 1;
BusinessInfo[NEWS_STAND].maxside = 4;
BusinessInfo[NEWS_STAND].stockcapacity = 200;
BusinessInfo[NEWS_STAND].openingtime = 0;
BusinessInfo[NEWS_STAND].closingtime = 23;
BusinessInfo[NEWS_STAND].electricalneed = 0.1;
BusinessInfo[NEWS_STAND].gasneed = 0.0;
BusinessInfo[NEWS_STAND].telecomneed = 0.05;
BusinessInfo[NEWS_STAND].waterneed = 0.0;
BusinessInfo[NEWS_STAND].footprintband = 1;
	BusinessInfo[NEWS_STAND]:AddCommodity(NEWSPAPER, 70);
	BusinessInfo[NEWS_STAND]:AddCommodity(SWEETS, 20);
	BusinessInfo[NEWS_STAND]:AddCommodity(SNACK, 10);

-- Pharmacy
BusinessInfo[PHARMACY].timeinstore = 0.4;  -- hours per customer
BusinessInfo[PHARMACY].refurbcost = 1600;
BusinessInfo[PHARMACY].density = 1.1;
BusinessInfo[PHARMACY].minarea = 1;  -- in plots
BusinessInfo[PHARMACY].maxarea = 5;
BusinessInfo[PHARMACY].minheight = 1;
BusinessInfo[PHARMACY].maxheight = 2;  -- storeys
BusinessInfo[PHARMACY].maxside = 4;
BusinessInfo[PHARMACY].stockcapacity = 130;  -- units
BusinessInfo[PHARMACY].openingtime = 9;  -- 24h clock
BusinessInfo[PHARMACY].closingtime = 21;
BusinessInfo[PHARMACY].electricalneed = 0.5;
BusinessInfo[PHARMACY].gasneed = 0.1;
BusinessInfo[PHARMACY].telecomneed = 0.2;
BusinessInfo[PHARMACY].waterneed = 0.3;
BusinessInfo[PHARMACY].footprintband = 1;
	BusinessInfo[PHARMACY]:AddCommodity(HEALTHCARE, 80);
	BusinessInfo[PHARMACY]:AddCommodity(SWEETS, 10);
	BusinessInfo[PHARMACY]:AddCommodity(DRINKS, 10);

-- Phone Shop
BusinessInfo[PHONE_SHOP].timeinstore = 0.5;
BusinessInfo[PHONE_SHOP].refurbcost = 1700;
BusinessInfo[PHONE_SHOP].density = 1.0;
BusinessInfo[PHONE_SHOP].minarea = 1;
BusinessInfo[PHONE_SHOP].maxarea = 3;
BusinessInfo[PHONE_SHOP].minheight = 1;
BusinessInfo[PHONE_SHOP].maxheight = 2;
BusinessInfo[PHONE_SHOP].maxside = 4;
BusinessInfo[PHONE_SHOP].stockcapacity = 90;
BusinessInfo[PHONE_SHOP].openingtime = 9;
BusinessInfo[PHONE_SHOP].closingtime = 19;
BusinessInfo[PHONE_SHOP].electricalneed = 0.4;
BusinessInfo[PHONE_SHOP].gasneed = 0.05;
BusinessInfo[PHONE_SHOP].telecomneed = 0.6;
BusinessInfo[PHONE_SHOP].waterneed = 0.05;
BusinessInfo[PHONE_SHOP].footprintband = 1;
	BusinessInfo[PHONE_SHOP]:AddCommodity(CELL_PHONES, 100);

-- Souvenir Shop
BusinessInfo[SOUVENIR_SHOP].timeinstore = 0.4;
BusinessInfo[SOUVENIR_SHOP].refurbcost = 1000;
BusinessInfo[SOUVENIR_SHOP].density = 1.25;
BusinessInfo[SOUVENIR_SHOP].minarea = 1;
BusinessInfo[SOUVENIR_SHOP].maxarea = 3;
BusinessInfo[SOUVENIR_SHOP].minheight = 1;
BusinessInfo[SOUVENIR_SHOP].maxheight = 1;
BusinessInfo[SOUVENIR_SHOP].maxside = 4;
BusinessInfo[SOUVENIR_SHOP].stockcapacity = 100;
BusinessInfo[SOUVENIR_SHOP].openingtime = 9;
BusinessInfo[SOUVENIR_SHOP].closingtime = 20;
BusinessInfo[SOUVENIR_SHOP].electricalneed = 0.3;
BusinessInfo[SOUVENIR_SHOP].gasneed = 0.05;
BusinessInfo[SOUVENIR_SHOP].telecomneed = 0.1;
BusinessInfo[SOUVENIR_SHOP].waterneed = 0.05;
BusinessInfo[SOUVENIR_SHOP].footprintband = 1;
	BusinessInfo[SOUVENIR_SHOP]:AddCommodity(SOUVENIRS, 85);
	BusinessInfo[SOUVENIR_SHOP]:AddCommodity(TOYS, 15);

-- Sports Store
BusinessInfo[SPORTS_STORE].timeinstore = 0.8;  -- hours per customer
BusinessInfo[SPORTS_STORE].refurbcost = 2400;
BusinessInfo[SPORTS_STORE].density = 0.6;
BusinessInfo[SPORTS_STORE].minarea = 2;  -- in plots
BusinessInfo[SPORTS_STORE].maxarea = 10;
BusinessInfo[SPORTS_STORE].minheight = 1;
BusinessInfo[SPORTS_STORE].maxheight = 3;  -- storeys
BusinessInfo[SPORTS_STORE].maxside = 5;
BusinessInfo[SPORTS_STORE].stockcapacity = 200;  -- units
BusinessInfo[SPORTS_STORE].openingtime = 9;  -- 24h clock
BusinessInfo[SPORTS_STORE].closingtime = 19;
BusinessInfo[SPORTS_STORE].electricalneed = 0.5;
BusinessInfo[SPORTS_STORE].gasneed = 0.2;
BusinessInfo[SPORTS_STORE].telecomneed = 0.2;
BusinessInfo[SPORTS_STORE].waterneed = 0.1;
BusinessInfo[SPORTS_STORE].footprintband = 2;
	BusinessInfo[SPORTS_STORE]:AddCommodity(RECREATIONAL_GOODS, 70);
	BusinessInfo[SPORTS_STORE]:AddCommodity(CLOTHING, 30);

-- Supermarket
BusinessInfo[SUPERMARKET].timeinstore = 0.90; 
BusinessInfo[SUPERMARKET].refurbcost = 4559; 
BusinessInfo[SUPERMARKET].density = 0.45; 
BusinessInfo[SUPERMARKET].minarea = 9; 
BusinessInfo[SUPERMARKET].maxarea = 25; 
BusinessInfo[SUPERMARKET].minheight = 1; 
BusinessInfo[SUPERMARKET].maxheight = 2; 
BusinessInfo[SUPERMARKET].maxside = 6; 
BusinessInfo[SUPERMARKET].stockcapacity = 7556; 
BusinessInfo[SUPERMARKET].openingtime = 0; 
BusinessInfo[SUPERMARKET].closingtime = 22; 
BusinessInfo[SUPERMARKET].electricalneed = 2.00; 
BusinessInfo[SUPERMARKET].gasneed = 8.63; 
BusinessInfo[SUPERMARKET].telecomneed = 0.50; 
BusinessInfo[SUPERMARKET].waterneed = 1.20; 
BusinessInfo[SUPERMARKET].footprintband = 4; 
BusinessInfo[SUPERMARKET]:AddCommodity(MEAT,20); 
BusinessInfo[SUPERMARKET]:AddCommodity(FRUIT_AND_VEG,20); 
BusinessInfo[SUPERMARKET]:AddCommodity(BREAD,15); 
BusinessInfo[SUPERMARKET]:AddCommodity(DAIRY_PRODUCE,15); 
BusinessInfo[SUPERMARKET]:AddCommodity(DRINKS,15); 
BusinessInfo[SUPERMARKET]:AddCommodity(FISH,15); 

-- Toy Store
BusinessInfo[TOY_STORE].timeinstore = 0.6;
BusinessInfo[TOY_STORE].refurbcost = 1600;
BusinessInfo[TOY_STORE].density = 0.8;
BusinessInfo[TOY_STORE].minarea = 2;
BusinessInfo[TOY_STORE].maxarea = 8;
BusinessInfo[TOY_STORE].minheight = 1;
BusinessInfo[TOY_STORE].maxheight = 2;
BusinessInfo[TOY_STORE].maxside = 5;
BusinessInfo[TOY_STORE].stockcapacity = 170;
BusinessInfo[TOY_STORE].openingtime = 9;
BusinessInfo[TOY_STORE].closingtime = 18;
BusinessInfo[TOY_STORE].electricalneed = 0.4;
BusinessInfo[TOY_STORE].gasneed = 0.1;
BusinessInfo[TOY_STORE].telecomneed = 0.1;
BusinessInfo[TOY_STORE].waterneed = 0.05;
BusinessInfo[TOY_STORE].footprintband = 1;
	BusinessInfo[TOY_STORE]:AddCommodity(TOYS, 85);
	BusinessInfo[TOY_STORE]:AddCommodity(VIDEOS, 15);

-- Travel Agency
BusinessInfo[TRAVEL_AGENCY].timeinstore = 0.9;  -- hours per customer
BusinessInfo[TRAVEL_AGENCY].refurbcost = 1800;
BusinessInfo[TRAVEL_AGENCY].density = 1.0;
BusinessInfo[TRAVEL_AGENCY].minarea = 1;  -- in plots
BusinessInfo[TRAVEL_AGENCY].maxarea = 4;
BusinessInfo[TRAVEL_AGENCY].minheight = 1;
BusinessInfo[TRAVEL_AGENCY].maxheight = 3;  -- storeys
BusinessInfo[TRAVEL_AGENCY].maxside = 4;
BusinessInfo[TRAVEL_AGENCY].stockcapacity = 20;  -- units
BusinessInfo[TRAVEL_AGENCY].openingtime = 9;  -- 24h clock
BusinessInfo[TRAVEL_AGENCY].closingtime = 18;
BusinessInfo[TRAVEL_AGENCY].electricalneed = 0.4;
BusinessInfo[TRAVEL_AGENCY].gasneed = 0.05;
BusinessInfo[TRAVEL_AGENCY].telecomneed = 0.7;
BusinessInfo[TRAVEL_AGENCY].waterneed = 0.05;
BusinessInfo[TRAVEL_AGENCY].footprintband = 1;
	BusinessInfo[TRAVEL_AGENCY]:AddCommodity(VACATIONS, 100);

-- ============================================================================
-- Entertainment
-- ============================================================================

-- Amusement Arcade
BusinessInfo[AMUSEMENT_ARCADE].timeinstore = 1.00; 
BusinessInfo[AMUSEMENT_ARCADE].refurbcost = 9965; 
BusinessInfo[AMUSEMENT_ARCADE].density = 0.9; 
BusinessInfo[AMUSEMENT_ARCADE].minarea = 2; 
BusinessInfo[AMUSEMENT_ARCADE].maxarea = 10; 
BusinessInfo[AMUSEMENT_ARCADE].minheight = 1; 
BusinessInfo[AMUSEMENT_ARCADE].maxheight = 2; 
BusinessInfo[AMUSEMENT_ARCADE].maxside = 5; 
BusinessInfo[AMUSEMENT_ARCADE].stockcapacity = 16; 
BusinessInfo[AMUSEMENT_ARCADE].openingtime = 9; 
BusinessInfo[AMUSEMENT_ARCADE].closingtime = 23; 
BusinessInfo[AMUSEMENT_ARCADE].electricalneed = 1.80; 
BusinessInfo[AMUSEMENT_ARCADE].gasneed = 0.65; 
BusinessInfo[AMUSEMENT_ARCADE].telecomneed = 0.30; 
BusinessInfo[AMUSEMENT_ARCADE].waterneed = 0.10; 
BusinessInfo[AMUSEMENT_ARCADE].footprintband = 2; 
BusinessInfo[AMUSEMENT_ARCADE]:AddCommodity(GAMING,80); 
BusinessInfo[AMUSEMENT_ARCADE]:AddCommodity(SNACK,10); 
BusinessInfo[AMUSEMENT_ARCADE]:AddCommodity(DRINKS,10); 

-- Ballroom
BusinessInfo[BALLROOM].timeinstore = 2.5;
BusinessInfo[BALLROOM].refurbcost = 5000;
BusinessInfo[BALLROOM].density = 0.7;
BusinessInfo[BALLROOM].minarea = 6;
BusinessInfo[BALLROOM].maxarea = 20;
BusinessInfo[BALLROOM].minheight = 1;
BusinessInfo[BALLROOM].maxheight = 3;
BusinessInfo[BALLROOM].maxside = 6;
BusinessInfo[BALLROOM].stockcapacity = 30;
BusinessInfo[BALLROOM].openingtime = 18;
BusinessInfo[BALLROOM].closingtime = 23;
BusinessInfo[BALLROOM].electricalneed = 1.2;
BusinessInfo[BALLROOM].gasneed = 0.6;
BusinessInfo[BALLROOM].telecomneed = 0.2;
BusinessInfo[BALLROOM].waterneed = 0.4;
BusinessInfo[BALLROOM].footprintband = 3;
	BusinessInfo[BALLROOM]:AddCommodity(DANCING, 80);
	BusinessInfo[BALLROOM]:AddCommodity(DRINKS, 20);

-- Bar
BusinessInfo[BAR].timeinstore = 1.50; -- hours per customer
BusinessInfo[BAR].refurbcost = 8143; 
BusinessInfo[BAR].density = 1.75; 
BusinessInfo[BAR].minarea = 1; -- in plots
BusinessInfo[BAR].maxarea = 6; 
BusinessInfo[BAR].minheight = 1; 
BusinessInfo[BAR].maxheight = 2; -- storeys
BusinessInfo[BAR].maxside = 4; 
BusinessInfo[BAR].stockcapacity = 779; -- units
BusinessInfo[BAR].openingtime = 18; -- 24h clock
BusinessInfo[BAR].closingtime = 23; 
BusinessInfo[BAR].electricalneed = 0.60; 
BusinessInfo[BAR].gasneed = 0.63; 
BusinessInfo[BAR].telecomneed = 0.10; 
BusinessInfo[BAR].waterneed = 0.80; 
BusinessInfo[BAR].footprintband = 1; 
BusinessInfo[BAR]:AddCommodity(DRINKS,85); 
BusinessInfo[BAR]:AddCommodity(SNACK,15); 

-- Bowling Alley
BusinessInfo[BOWLING_ALLEY].timeinstore = 1.75;
BusinessInfo[BOWLING_ALLEY].refurbcost = 6000;
BusinessInfo[BOWLING_ALLEY].density = 0.5;
BusinessInfo[BOWLING_ALLEY].minarea = 10;
BusinessInfo[BOWLING_ALLEY].maxarea = 30;
BusinessInfo[BOWLING_ALLEY].minheight = 1;
BusinessInfo[BOWLING_ALLEY].maxheight = 2;
BusinessInfo[BOWLING_ALLEY].maxside = 6;
BusinessInfo[BOWLING_ALLEY].stockcapacity = 50;
BusinessInfo[BOWLING_ALLEY].openingtime = 9;
BusinessInfo[BOWLING_ALLEY].closingtime = 23;
BusinessInfo[BOWLING_ALLEY].electricalneed = 1.9;
BusinessInfo[BOWLING_ALLEY].gasneed = 0.5;
BusinessInfo[BOWLING_ALLEY].telecomneed = 0.2;
BusinessInfo[BOWLING_ALLEY].waterneed = 0.3;
BusinessInfo[BOWLING_ALLEY].footprintband = 4;
	BusinessInfo[BOWLING_ALLEY]:AddCommodity(GAMING, 60);
	BusinessInfo[BOWLING_ALLEY]:AddCommodity(DRINKS, 25);
	BusinessInfo[BOWLING_ALLEY]:AddCommodity(FASTFOOD, 15);

-- Cinema
BusinessInfo[CINEMA].timeinstore = 2.25;
BusinessInfo[CINEMA].refurbcost = 8000;
BusinessInfo[CINEMA].density = 0.75;
BusinessInfo[CINEMA].minarea = 8;
BusinessInfo[CINEMA].maxarea = 24;
BusinessInfo[CINEMA].minheight = 1;
BusinessInfo[CINEMA].maxheight = 3;
BusinessInfo[CINEMA].maxside = 6;
BusinessInfo[CINEMA].stockcapacity = 60;
BusinessInfo[CINEMA].openingtime = 18;
BusinessInfo[CINEMA].closingtime = 23;
BusinessInfo[CINEMA].electricalneed = 2.1;
BusinessInfo[CINEMA].gasneed = 0.7;
BusinessInfo[CINEMA].telecomneed = 0.3;
BusinessInfo[CINEMA].waterneed = 0.4;
BusinessInfo[CINEMA].footprintband = 3;
	BusinessInfo[CINEMA]:AddCommodity(MOVIES, 75);
	BusinessInfo[CINEMA]:AddCommodity(SWEETS, 15);
	BusinessInfo[CINEMA]:AddCommodity(DRINKS, 10);

-- Fast Food Outlet
BusinessInfo[FAST_FOOD_OUTLET].timeinstore = 0.25;  -- hours per customer
BusinessInfo[FAST_FOOD_OUTLET].refurbcost = 1500;
BusinessInfo[FAST_FOOD_OUTLET].density = 2.5;
BusinessInfo[FAST_FOOD_OUTLET].minarea = 1;  -- in plots
BusinessInfo[FAST_FOOD_OUTLET].maxarea = 6;
BusinessInfo[FAST_FOOD_OUTLET].minheight = 1;
BusinessInfo[FAST_FOOD_OUTLET].maxheight = 2;  -- storeys
BusinessInfo[FAST_FOOD_OUTLET].maxside = 4;
BusinessInfo[FAST_FOOD_OUTLET].stockcapacity = 150;  -- units
BusinessInfo[FAST_FOOD_OUTLET].openingtime = 0;  -- 24h clock
BusinessInfo[FAST_FOOD_OUTLET].closingtime = 23;
BusinessInfo[FAST_FOOD_OUTLET].electricalneed = 0.9;
BusinessInfo[FAST_FOOD_OUTLET].gasneed = 1.1;
BusinessInfo[FAST_FOOD_OUTLET].telecomneed = 0.2;
BusinessInfo[FAST_FOOD_OUTLET].waterneed = 0.6;
BusinessInfo[FAST_FOOD_OUTLET].footprintband = 1;
	BusinessInfo[FAST_FOOD_OUTLET]:AddCommodity(FASTFOOD, 80);
	BusinessInfo[FAST_FOOD_OUTLET]:AddCommodity(DRINKS, 20);

-- Nightclub
BusinessInfo[NIGHTCLUB].timeinstore = 3.0;
BusinessInfo[NIGHTCLUB].refurbcost = 4500;
BusinessInfo[NIGHTCLUB].density = 1.25;
BusinessInfo[NIGHTCLUB].minarea = 3;
BusinessInfo[NIGHTCLUB].maxarea = 12;
BusinessInfo[NIGHTCLUB].minheight = 1;
BusinessInfo[NIGHTCLUB].maxheight = 2;
BusinessInfo[NIGHTCLUB].maxside = 5;
BusinessInfo[NIGHTCLUB].stockcapacity = 90;
BusinessInfo[NIGHTCLUB].openingtime = 18;
BusinessInfo[NIGHTCLUB].closingtime = 4;
BusinessInfo[NIGHTCLUB].electricalneed = 1.6;
BusinessInfo[NIGHTCLUB].gasneed = 0.3;
BusinessInfo[NIGHTCLUB].telecomneed = 0.2;
BusinessInfo[NIGHTCLUB].waterneed = 0.7;
BusinessInfo[NIGHTCLUB].footprintband = 2;
	BusinessInfo[NIGHTCLUB]:AddCommodity(DANCING, 70);
	BusinessInfo[NIGHTCLUB]:AddCommodity(DRINKS, 30);

-- Pool Hall
BusinessInfo[POOL_HALL].timeinstore = 1.25;
BusinessInfo[POOL_HALL].refurbcost = 1800;
BusinessInfo[POOL_HALL].density = 1.0;
BusinessInfo[POOL_HALL].minarea = 2;
BusinessInfo[POOL_HALL].maxarea = 8;
BusinessInfo[POOL_HALL].minheight = 1;
BusinessInfo[POOL_HALL].maxheight = 2;
BusinessInfo[POOL_HALL].maxside = 4;
BusinessInfo[POOL_HALL].stockcapacity = 40;
BusinessInfo[POOL_HALL].openingtime = 18;
BusinessInfo[POOL_HALL].closingtime = 2;
BusinessInfo[POOL_HALL].electricalneed = 0.7;
BusinessInfo[POOL_HALL].gasneed = 0.2;
BusinessInfo[POOL_HALL].telecomneed = 0.1;
BusinessInfo[POOL_HALL].waterneed = 0.3;
BusinessInfo[POOL_HALL].footprintband = 2;
	BusinessInfo[POOL_HALL]:AddCommodity(GAMING, 70);
	BusinessInfo[POOL_HALL]:AddCommodity(DRINKS, 30);

-- Restaurant
BusinessInfo[RESTAURANT].timeinstore = 1.50; -- hours per customer
BusinessInfo[RESTAURANT].refurbcost = 4573; 
BusinessInfo[RESTAURANT].density = 1.25; 
BusinessInfo[RESTAURANT].minarea = 2; -- in plots
BusinessInfo[RESTAURANT].maxarea = 9; 
BusinessInfo[RESTAURANT].minheight = 1; 
BusinessInfo[RESTAURANT].maxheight = 3; -- storeys
BusinessInfo[RESTAURANT].maxside = 5; 
BusinessInfo[RESTAURANT].stockcapacity = 49; -- units
BusinessInfo[RESTAURANT].openingtime = 18; -- 24h clock
BusinessInfo[RESTAURANT].closingtime = 23; 
BusinessInfo[RESTAURANT].electricalneed = 0.90; 
BusinessInfo[RESTAURANT].gasneed = 9.52; 
BusinessInfo[RESTAURANT].telecomneed = 0.20; 
BusinessInfo[RESTAURANT].waterneed = 1.00; 
BusinessInfo[RESTAURANT].footprintband = 2; 
BusinessInfo[RESTAURANT]:AddCommodity(MEAL,75); 
BusinessInfo[RESTAURANT]:AddCommodity(DRINKS,25); 

-- Theatre
BusinessInfo[THEATRE].timeinstore = 2.75; 
BusinessInfo[THEATRE].refurbcost = 5283; 
BusinessInfo[THEATRE].density = 0.6; 
BusinessInfo[THEATRE].minarea = 8; 
BusinessInfo[THEATRE].maxarea = 20; 
BusinessInfo[THEATRE].minheight = 2; 
BusinessInfo[THEATRE].maxheight = 4; 
BusinessInfo[THEATRE].maxside = 6; 
BusinessInfo[THEATRE].stockcapacity = 95; 
BusinessInfo[THEATRE].openingtime = 18; 
BusinessInfo[THEATRE].closingtime = 23; 
BusinessInfo[THEATRE].electricalneed = 1.70; 
BusinessInfo[THEATRE].gasneed = 0.76; 
BusinessInfo[THEATRE].telecomneed = 0.30; 
BusinessInfo[THEATRE].waterneed = 0.50; 
BusinessInfo[THEATRE].footprintband = 3; 
BusinessInfo[THEATRE]:AddCommodity(PERFORMANCE,85); 
BusinessInfo[THEATRE]:AddCommodity(DRINKS,15); 

-- Video Store
BusinessInfo[VIDEO_STORE].timeinstore = 0.50; 
BusinessInfo[VIDEO_STORE].refurbcost = 7145; 
BusinessInfo[VIDEO_STORE].density = 1; 
BusinessInfo[VIDEO_STORE].minarea = 1; 
BusinessInfo[VIDEO_STORE].maxarea = 5; 
BusinessInfo[VIDEO_STORE].minheight = 1; 
BusinessInfo[VIDEO_STORE].maxheight = 2; 
BusinessInfo[VIDEO_STORE].maxside = 4; 
BusinessInfo[VIDEO_STORE].stockcapacity = 811; 
BusinessInfo[VIDEO_STORE].openingtime = 9; 
BusinessInfo[VIDEO_STORE].closingtime = 22; 
BusinessInfo[VIDEO_STORE].electricalneed = 0.50; 
BusinessInfo[VIDEO_STORE].gasneed = 0.18; 
BusinessInfo[VIDEO_STORE].telecomneed = 0.20; 
BusinessInfo[VIDEO_STORE].waterneed = 0.05; 
BusinessInfo[VIDEO_STORE].footprintband = 1; 
BusinessInfo[VIDEO_STORE]:AddCommodity(VIDEOS,80); 
BusinessInfo[VIDEO_STORE]:AddCommodity(SWEETS,10); 
BusinessInfo[VIDEO_STORE]:AddCommodity(GAMING,10); 

-- ============================================================================
-- Stay-over and the rest
-- ============================================================================

-- Apartment Block
BusinessInfo[APARTMENT].timeinstore = 8.0;  -- hours per customer
BusinessInfo[APARTMENT].refurbcost = 12000;
BusinessInfo[APARTMENT].density = 3.5;
BusinessInfo[APARTMENT].minarea = 4;  -- in plots
BusinessInfo[APARTMENT].maxarea = 16;
BusinessInfo[APARTMENT].minheight = 3;
BusinessInfo[APARTMENT].maxheight = 20;  -- storeys
BusinessInfo[APARTMENT].maxside = 6;
BusinessInfo[APARTMENT].stockcapacity = 10;  -- units
BusinessInfo[APARTMENT].openingtime = 0;  -- 24h clock
BusinessInfo[APARTMENT].closingtime = 23;
BusinessInfo[APARTMENT].electricalneed = 1.5;
BusinessInfo[APARTMENT].gasneed = 1.2;
BusinessInfo[APARTMENT].telecomneed = 0.8;
BusinessInfo[APARTMENT].waterneed = 1.5;
BusinessInfo[APARTMENT].footprintband = 3;
	BusinessInfo[APARTMENT]:AddCommodity(STAY_OVER, 100);

-- Hotel
BusinessInfo[HOTEL].timeinstore = 12.0;
BusinessInfo[HOTEL].refurbcost = 20000;
BusinessInfo[HOTEL].density = 2.25;
BusinessInfo[HOTEL].minarea = 6;
BusinessInfo[HOTEL].maxarea = 25;
BusinessInfo[HOTEL].minheight = 4;
BusinessInfo[HOTEL].maxheight = 30;
BusinessInfo[HOTEL].maxside = 7;
BusinessInfo[HOTEL].stockcapacity = 200;
BusinessInfo[HOTEL].openingtime = 0;
BusinessInfo[HOTEL].closingtime = 23;
BusinessInfo[HOTEL].electricalneed = 3.0;
BusinessInfo[HOTEL].gasneed = 2.5;
BusinessInfo[HOTEL].telecomneed = 1.4;
BusinessInfo[HOTEL].waterneed = 3.2;
BusinessInfo[HOTEL].footprintband = 5;
	BusinessInfo[HOTEL]:AddCommodity(STAY_OVER, 70);
	BusinessInfo[HOTEL]:AddCommodity(MEAL, 20);
	BusinessInfo[HOTEL]:AddCommodity(DRINKS, 10);

-- Landscaping
BusinessInfo[LANDSCAPE].timeinstore = 0.5;
BusinessInfo[LANDSCAPE].refurbcost = 600;
BusinessInfo[LANDSCAPE].density = 0.1;
BusinessInfo[LANDSCAPE].minarea = 1;
BusinessInfo[LANDSCAPE].maxarea = 49;
BusinessInfo[LANDSCAPE].minheight = 1;
BusinessInfo[LANDSCAPE].maxheight = 1;
BusinessInfo[LANDSCAPE].maxside = 7;
BusinessInfo[LANDSCAPE].stockcapacity = 1;
BusinessInfo[LANDSCAPE].openingtime = 0;
BusinessInfo[LANDSCAPE].closingtime = 0;
BusinessInfo[LANDSCAPE].electricalneed = 0.0;
BusinessInfo[LANDSCAPE].gasneed = 0.0;
BusinessInfo[LANDSCAPE].telecomneed = 0.0;
BusinessInfo[LANDSCAPE].waterneed = 0.2;
BusinessInfo[LANDSCAPE].footprintband = 5;
	BusinessInfo[LANDSCAPE]:AddCommodity(RECREATIONAL_GOODS, 5);

-- end of businesssettings.lua

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

BusinessInfo[BAKERY].gasneed = 0.40; 
