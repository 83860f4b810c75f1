Block[AIRPORT].value = 100;
Block[AIRPORT].ownable = true;
