-- Block settings for Tollgrove

Block[AIRPORT].value = 100;    -- base price
		block[airport].OWNABLE=true;
-- Block[AIRPORT].buildingrights = 2;
Block[AIRPORT].buildingrights = 1;
Block[AIRPORT].prestige = 1.5;
   
Block[ZOO].value = 5;   -- untouched, names prestige
Block[ZOO].prestige=0.25;
Block["DOCK_1"].prestige = 2;  -- quoted
Block[DOCK_1].value = 3; Block[DOCK_1].ownable = true;
local unknown = {1, 2, 3}
Block[DOCK_1].buildingrights = 2; -- rights été
