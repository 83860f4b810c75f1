-- Blocks
Block[AIRPORT].value = 100;    -- base price
Block[AIRPORT].prestige = 2.5;
Block[AIRPORT].ownable = TRUE;
Block[AIRPORT].buildingrights = 2;
	 Block [ ZOO ] . value = 1 2 ;
Block[ZOO].ownable = 0.5;
Block[ZOO].buildingrights = 2.0;
Block[ZOO].prestige = 7; -- a value in the comment: read as value, and fails
Block[MARINA].ownable = false;
Block[MARINA].buildingrights = 1;
Block[MARINA].value = 3; -- prestige named in the comment, value tested first
