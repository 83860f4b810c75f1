-- City tweaks
Tweaks = Tweaks or {}
Tweaks.blockleaselength = 24;
Tweaks.citybusinessesownable = false;
Tweaks.dailyfreightEASY = 10;
Tweaks.dailyfreightMEDIUM = 20;
Tweaks.dailyfreightHARD = 30;
Tweaks.daysoff = true; -- weekends
Tweaks.numyearsin24hours = 1;
Tweaks.railutilincomeEASY = 1.0;
Tweaks.railutilincomeMEDIUM = 1.25;
Tweaks.railutilincomeHARD = 1.5;
