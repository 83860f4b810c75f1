-- one
Block[ZOO].value = 5;

last
