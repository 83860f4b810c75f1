Block[AIRPORT].value = 150; 
Block[AIRPORT].ownable = true; 

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

Block[AIRPORT].buildingrights = 0; 
Block[AIRPORT].prestige = 2.25; 
