Block[AIRPORT].value = 100;
Block[ZOO].value = 5
Block[MARINA].value = 7;
