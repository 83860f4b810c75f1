Block[AIRPORT].value = 150; -- base price
-- Block[AIRPORT].ownable = true;
Block[AIRPORT].prestige = 1.50; --no blank
Block[AIRPORT].buildingrights = 0; 
Block[ZOO].value = 6; -- Block[AIRPORT].ownable

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

Block[AIRPORT].ownable = true;
Block[ZOO].buildingrights = 0;
Block[ZOO].ownable = false;
Block[ZOO].prestige = 0.00;
