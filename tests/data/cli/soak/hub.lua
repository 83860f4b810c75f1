-------------------------------------------------------------------------------
-- hub.lua
--
-- City-wide tweaks of Tollgrove. The difficulty levels EASY, MEDIUM and
-- HARD each have their own railroad and utility figures.
-------------------------------------------------------------------------------

-- Railroad and utility income multipliers
Tweaks.railutilincomeEASY = 1.5; 
Tweaks.railutilincomeMEDIUM = 1.0; 
Tweaks.railutilincomeHARD = 0.8; 

-- Railroad daily freight
Tweaks.dailyfreightEASY = 5361; 
Tweaks.dailyfreightMEDIUM = 3500; 
Tweaks.dailyfreightHARD = 2500; -- tight margins

-- Miscellaneous
Tweaks.citybusinessesownable = true; 
Tweaks.daysoff = false; -- shops trade every day
Tweaks.numyearsin24hours = 2; 
Tweaks.blockleaselength = 170; -- 30 days

-- Starting conditions (not edited by TG Edit)
Tweaks.startingcash = 250000;
Tweaks.loaninterest = 0.08;

-- end of hub.lua
