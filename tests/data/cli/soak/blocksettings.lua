-------------------------------------------------------------------------------
-- blocksettings.lua
--
-- The city blocks of Tollgrove.
--
--   value           price of the block when it comes up for lease
--   prestige        how much customers and residents like the address
--   ownable         whether a player may own the block
--   buildingrights  2 = building rights unlocked; 0 or 1 = locked
-------------------------------------------------------------------------------

-- Carroway Avenue
Block[CARROWAY_AVENUE].value = 1200;
Block[CARROWAY_AVENUE].prestige = 1.25;
Block[CARROWAY_AVENUE].ownable = true;
Block[CARROWAY_AVENUE].buildingrights = 0;

-- Dunmere Avenue
Block[DUNMERE_AVENUE].value = 1350;
Block[DUNMERE_AVENUE].prestige = 1.5;
Block[DUNMERE_AVENUE].ownable = true;
Block[DUNMERE_AVENUE].buildingrights = 1;

-- Telecoms Exchange (city owned)
Block[TELECOMS].value = 9000;
Block[TELECOMS].prestige = 0.75;
Block[TELECOMS].ownable = false;
Block[TELECOMS].buildingrights = 0;

-- Bus and Taxi Depot (city owned)
Block[BUS_TAXI].value = 6500;
Block[BUS_TAXI].prestige = 0.5;
Block[BUS_TAXI].ownable = false;
Block[BUS_TAXI].buildingrights = 0;

-- Braxby Railroad
Block[BRAXBY_RAILROAD].value = 2605; 
Block[BRAXBY_RAILROAD].prestige = 0.32; 
Block[BRAXBY_RAILROAD].ownable = true; 
Block[BRAXBY_RAILROAD].buildingrights = 0; 

-- Airport (city owned)
--Block[AIRPORT].value = 30000;  -- before the runway extension
Block[AIRPORT].value = 25000;    -- purchase price
Block[AIRPORT].prestige = 2.5;    -- busy but noisy
Block[AIRPORT].ownable = false;
Block[AIRPORT].buildingrights = 0;

-- Elsbury Avenue
Block[ELSBURY_AVENUE].value = 1500;
Block[ELSBURY_AVENUE].prestige = 1.75;
Block[ELSBURY_AVENUE].ownable = true;
Block[ELSBURY_AVENUE].buildingrights = 2;

-- Zoo (city owned)
Block[ZOO].value = 19206; 
Block[ZOO].prestige = 1.33; -- families like it
Block[ZOO].ownable = false; 
Block[ZOO].buildingrights = 0; 

-- Marlowen Avenue
Block[MARLOWEN_AVENUE].value = 1650;
Block[MARLOWEN_AVENUE].prestige = 1.8;
Block[MARLOWEN_AVENUE].ownable = true;
Block[MARLOWEN_AVENUE].buildingrights = 1;

-- Lanworth Avenue
Block[LANWORTH_AVENUE].value = 1700;
Block[LANWORTH_AVENUE].prestige = 2.0;
Block[LANWORTH_AVENUE].ownable = true;
Block[LANWORTH_AVENUE].buildingrights = 0;

-- University Campus (city owned)
Block[UNIVERSITY_CAMPUS].value = 17376; 
Block[UNIVERSITY_CAMPUS].prestige = 2.65; 
Block[UNIVERSITY_CAMPUS].ownable = false; 
Block[UNIVERSITY_CAMPUS].buildingrights = 0; 

-- Ingleby Place
Block[INGLEBY_PLACE].value = 6843; 
Block[INGLEBY_PLACE].prestige = 8.97; 
Block[INGLEBY_PLACE].ownable = true; 
Block[INGLEBY_PLACE].buildingrights = 2; 

-- Jorvale Avenue
Block[JORVALE_AVENUE].value = 8673; 
Block[JORVALE_AVENUE].prestige = 9.16; 
Block[JORVALE_AVENUE].ownable = true; 
Block[JORVALE_AVENUE].buildingrights = 0; 

-- School and Library (city owned)
Block[SCHOOL_LIBRARY].value = 7748; 
Block[SCHOOL_LIBRARY].prestige = 1.54; 
Block[SCHOOL_LIBRARY].ownable = false; 
Block[SCHOOL_LIBRARY].buildingrights = 0; 

-- Netherby Avenue
Block[NETHERBY_AVENUE].value = 1900;
Block[NETHERBY_AVENUE].prestige = 2.1;
Block[NETHERBY_AVENUE].ownable = true;
Block[NETHERBY_AVENUE].buildingrights = 1;

-- Rissombe Avenue
Block[RISSOMBE_AVENUE].value = 2000;
Block[RISSOMBE_AVENUE].prestige = 2.2;
Block[RISSOMBE_AVENUE].ownable = true;
Block[RISSOMBE_AVENUE].buildingrights = 0;

-- Kestern Avenue
Block[KESTERN_AVENUE].value = 9639; 
Block[KESTERN_AVENUE].prestige = 2.73; 
Block[KESTERN_AVENUE].ownable = true; 
Block[KESTERN_AVENUE].buildingrights = 2; 

-- Electric Company
Block[ELECTRIC_COMPANY].value = 24222; 
Block[ELECTRIC_COMPANY].prestige = 0.81; 
Block[ELECTRIC_COMPANY].ownable = true; 
Block[ELECTRIC_COMPANY].buildingrights = 0; 

-- Lowmarsh Railroad
Block[LOWMARSH_RAILROAD].value = 6213; 
Block[LOWMARSH_RAILROAD].prestige = 0.74; 
Block[LOWMARSH_RAILROAD].ownable = true; 
Block[LOWMARSH_RAILROAD].buildingrights = 0; 

-- Hospital (city owned)
Block[HOSPITAL].value = 20000;
Block[HOSPITAL].prestige = 3.0;
Block[HOSPITAL].ownable = false;    -- run by the city
Block[HOSPITAL].buildingrights = 0;

-- Selverton
Block[SELVERTON].value = 5468; 
Block[SELVERTON].prestige = 8.91; 
Block[SELVERTON].ownable = true; 
Block[SELVERTON].buildingrights = 2; 

-- Zennorth Railroad
Block[ZENNORTH_RAILROAD].value = 8400;
Block[ZENNORTH_RAILROAD].prestige = 0.7;
Block[ZENNORTH_RAILROAD].ownable = true;
Block[ZENNORTH_RAILROAD].buildingrights = 0;

-- Farlowe Place
Block[FARLOWE_PLACE].value = 2800;
Block[FARLOWE_PLACE].prestige = 3.6;
Block[FARLOWE_PLACE].ownable = true;
Block[FARLOWE_PLACE].buildingrights = 1;

-- Police and Fire Station (city owned)
Block[POLICE_FIRE].value = 11000;
Block[POLICE_FIRE].prestige = 1.0;
Block[POLICE_FIRE].ownable = false;
Block[POLICE_FIRE].buildingrights = 0;

-- Quarrendon Gardens
Block[QUARRENDON_GARDENS].value = 3600;
Block[QUARRENDON_GARDENS].prestige = 4.25;
Block[QUARRENDON_GARDENS].ownable = true;
Block[QUARRENDON_GARDENS].buildingrights = 2;

-- Tamberly Avenue
Block[TAMBERLY_AVENUE].value = 2200;
Block[TAMBERLY_AVENUE].prestige = 2.4;
Block[TAMBERLY_AVENUE].ownable = true;
Block[TAMBERLY_AVENUE].buildingrights = 0;

-- Gilmorton Avenue
Block[GILMORTON_AVENUE].value = 2300;
Block[GILMORTON_AVENUE].prestige = 2.45;
Block[GILMORTON_AVENUE].ownable = true;
Block[GILMORTON_AVENUE].buildingrights = 1;

-- Hartsel Avenue
Block[HARTSEL_AVENUE].value = 1429; 
Block[HARTSEL_AVENUE].prestige = 5.39; 
Block[HARTSEL_AVENUE].ownable = true; 
Block[HARTSEL_AVENUE].buildingrights = 0; 

-- Pellington Avenue
Block[PELLINGTON_AVENUE].value = 2500;
Block[PELLINGTON_AVENUE].prestige = 2.6;
Block[PELLINGTON_AVENUE].ownable = true;
Block[PELLINGTON_AVENUE].buildingrights = 2;

-- Museum and Art Gallery (city owned)
Block[MUSEUM_ART_GALLERY].value = 14069; 
Block[MUSEUM_ART_GALLERY].prestige = 2.85; 
Block[MUSEUM_ART_GALLERY].ownable = false; 
Block[MUSEUM_ART_GALLERY].buildingrights = 0; 

-- Strandley
Block[STRANDLEY].value = 6976; 
Block[STRANDLEY].prestige = 1.86; -- the best address in town
Block[STRANDLEY].ownable = true; 
Block[STRANDLEY].buildingrights = 2; 

-- Wendleby Place
Block[WENDLEBY_PLACE].value = 3704; 
Block[WENDLEBY_PLACE].prestige = 3.21; 
Block[WENDLEBY_PLACE].ownable = true; 
Block[WENDLEBY_PLACE].buildingrights = 0; 

-- Marina (city owned)
Block[MARINA].value    = 16000;    -- harbour frontage
Block[MARINA].prestige    = 5.0;
Block[MARINA].ownable    = false;
Block[MARINA].buildingrights    = 0;

-- Brennock Avenue
Block[BRENNOCK_AVENUE].value = 2700;
Block[BRENNOCK_AVENUE].prestige = 2.8;
Block[BRENNOCK_AVENUE].ownable = true;
Block[BRENNOCK_AVENUE].buildingrights = 0;

-- Ormskeep Avenue
Block[ORMSKEEP_AVENUE].value = 3199; 
Block[ORMSKEEP_AVENUE].prestige = 2.74; 
Block[ORMSKEEP_AVENUE].ownable = true; 
Block[ORMSKEEP_AVENUE].buildingrights = 0; 

-- Alderwick Avenue
Block[ALDERWICK_AVENUE].value = 2900;
Block[ALDERWICK_AVENUE].prestige = 3.0;
Block[ALDERWICK_AVENUE].ownable = true;
Block[ALDERWICK_AVENUE].buildingrights = 2;

-- Gasworks
Block[GASWORKS].value = 15662; 
Block[GASWORKS].prestige = 0.92; -- nobody wants to live here
Block[GASWORKS].ownable = true; 
Block[GASWORKS].buildingrights = 0; 

-- Yarrowfield Railroad
Block[YARROWFIELD_RAILROAD].value = 5165; 
Block[YARROWFIELD_RAILROAD].prestige = 0.14; 
Block[YARROWFIELD_RAILROAD].ownable = true; 
Block[YARROWFIELD_RAILROAD].buildingrights = 0; 

-- Dock 1
Block[DOCK_1].value = 8612; 
Block[DOCK_1].prestige = 0.80; 
Block[DOCK_1].ownable = true; 
Block[DOCK_1].buildingrights = 0; 

-- Dock 2
	Block[DOCK_2].value = 5200;
	Block[DOCK_2].prestige = 0.3;
	Block[DOCK_2].ownable = true;
	Block[DOCK_2].buildingrights = 0;

-- Dock 3
	Block[DOCK_3].value = 5400;
	Block[DOCK_3].prestige = 0.35;
	Block[DOCK_3].ownable = true;
	Block[DOCK_3].buildingrights = 1;    -- 2 unlocks building

-- Water Works
Block[WATER_WORKS].value = 14500;
Block[WATER_WORKS].prestige = 0.25;
Block[WATER_WORKS].ownable = true;
Block[WATER_WORKS].buildingrights = 0;

-- end of blocksettings.lua
