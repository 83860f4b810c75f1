Commodity[FASTFOOD]:Membership(MAINSHOPPING);
 x = 1;
Commodity[MEAT].value = 10.00;

-----------------------------------
-- Added by TG Edit 1.0.0.1
-----------------------------------

Commodity[FASTFOOD].markup = 0.00;
Commodity[FASTFOOD].value = 0.00;
