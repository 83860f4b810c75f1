Block[AIRPORT].value = 150; 
Block[AIRPORT].ownable = true; 
Block[AIRPORT].buildingrights = 2; 

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

Block[AIRPORT].prestige = 1.50; 

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

Block[ZOO].buildingrights = 0;
Block[ZOO].ownable = false;
Block[ZOO].prestige = 0.25;
Block[ZOO].value = 5;
