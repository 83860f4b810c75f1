Commodity["MEAT"].value = 10;
Commodity[MEAT].markup = 1.00; 
Commodity["MEAT"]:Membership(MAINSHOPPING);

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

Commodity[MEAT]:Membership(STAYOVERSHOPPING);
Commodity[MEAT].value = 12.00;
