Block[AIRPORT].value = 1;Block[ZOO].value = 2;

Block[MARINA].value = 3;

Block[DOCK_1].value = x;