BusinessInfo["BAKERY"]:AddCommodity(BREAD, 50);
BusinessInfo[BUTCHERS]:AddCommodity(MEAT, 30); -- first
BusinessInfo[BUTCHERS]:AddCommodity(FISH, 20);
BusinessInfo[BUTCHERS]:AddCommodity(SWEETS, 10);
BusinessInfo[BUTCHERS]:AddCommodity(DRINKS, 5);
