-- Block settings for Tollgrove

Block[AIRPORT].value = 150; -- base price
Block[AIRPORT].ownable = true; 
-- Block[AIRPORT].buildingrights = 2;
Block[AIRPORT].buildingrights = 2; 
Block[AIRPORT].prestige = 1.50; 
   
Block[ZOO].value = 5;   -- untouched, names prestige
Block[ZOO].prestige=0.25;
Block["DOCK_1"].prestige = 2;  -- quoted
Block[DOCK_1].value = 3; Block[DOCK_1].ownable = false;
local unknown = {1, 2, 3}
Block[DOCK_1].buildingrights = 0; -- rights été

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

Block[DOCK_1].prestige = 2.00;
Block[DOCK_1].value = 7;
