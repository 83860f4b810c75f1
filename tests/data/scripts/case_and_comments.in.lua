		block [ airport ] . VALUE=100;	-- base price
-- Block[AIRPORT].ownable = true;
BLOCK[AIRPORT].prestige = 1.5;--no blank
Block[AIRPORT].buildingrights=2
Block[ZOO].value = 5; -- Block[AIRPORT].ownable
