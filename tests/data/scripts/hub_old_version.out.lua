-- City tweaks
Tweaks = Tweaks or {}
Tweaks.blockleaselength = 48; 
Tweaks.citybusinessesownable = true; 
Tweaks.dailyfreightEASY = 10;
Tweaks.dailyfreightMEDIUM = 20;
Tweaks.dailyfreightHARD = 30;
Tweaks.daysoff = false; -- weekends
Tweaks.numyearsin24hours = 2; 
Tweaks.railutilincomeEASY = 1.0;
Tweaks.railutilincomeMEDIUM = 1.25;
Tweaks.railutilincomeHARD = 1.5;
