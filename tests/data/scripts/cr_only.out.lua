-- one
Block[ZOO].value = 5;

