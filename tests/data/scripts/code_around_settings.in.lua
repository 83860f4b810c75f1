local x = 1; BusinessInfo[BAKERY].density = 2; y = 3 -- keep
BusinessInfo[BAKERY]:AddCommodity(BREAD, 50); z = 1
BusinessInfo[BAKERY].gasneed = 1 -- no semicolon
BusinessInfo[BAKERY].maxside = 2; -- a comment
BusinessInfo[BAKERY].maxarea = 4;BusinessInfo[BAKERY].minarea = 1;
