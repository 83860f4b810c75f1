#!/usr/bin/env python3
"""Writes the shipped code tables, the project marker template and the
stand-in game (demo/game) of TG Edit.

Run from anywhere:  python3 tools/make_demo_scripts.py [--check]
With --check nothing is written; the exit status is 1 when a file on disk
differs from what the generator would write.

Every file is written with CR LF line ends. Before anything is written, each
script line is put through the same tests the editor's script reader applies
(key of the line with its comment, comment cut, blanks removed, slot lookup,
code before key, "=" before ";"), so a line that the editor would misread or
skip stops the generator instead of shipping.
"""

from __future__ import annotations

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CRLF = "\r\n"

# --- identifiers and display names, in slot order ---------------------------

BLOCKS = [
    ("CARROWAY_AVENUE", "Carroway Avenue"),
    ("DUNMERE_AVENUE", "Dunmere Avenue"),
    ("TELECOMS", "Telecoms Exchange"),
    ("BUS_TAXI", "Bus and Taxi Depot"),
    ("BRAXBY_RAILROAD", "Braxby Railroad"),
    ("AIRPORT", "Airport"),
    ("ELSBURY_AVENUE", "Elsbury Avenue"),
    ("ZOO", "Zoo"),
    ("MARLOWEN_AVENUE", "Marlowen Avenue"),
    ("LANWORTH_AVENUE", "Lanworth Avenue"),
    ("UNIVERSITY_CAMPUS", "University Campus"),
    ("INGLEBY_PLACE", "Ingleby Place"),
    ("JORVALE_AVENUE", "Jorvale Avenue"),
    ("SCHOOL_LIBRARY", "School and Library"),
    ("NETHERBY_AVENUE", "Netherby Avenue"),
    ("RISSOMBE_AVENUE", "Rissombe Avenue"),
    ("KESTERN_AVENUE", "Kestern Avenue"),
    ("ELECTRIC_COMPANY", "Electric Company"),
    ("LOWMARSH_RAILROAD", "Lowmarsh Railroad"),
    ("HOSPITAL", "Hospital"),
    ("SELVERTON", "Selverton"),
    ("ZENNORTH_RAILROAD", "Zennorth Railroad"),
    ("FARLOWE_PLACE", "Farlowe Place"),
    ("POLICE_FIRE", "Police and Fire Station"),
    ("QUARRENDON_GARDENS", "Quarrendon Gardens"),
    ("TAMBERLY_AVENUE", "Tamberly Avenue"),
    ("GILMORTON_AVENUE", "Gilmorton Avenue"),
    ("HARTSEL_AVENUE", "Hartsel Avenue"),
    ("PELLINGTON_AVENUE", "Pellington Avenue"),
    ("MUSEUM_ART_GALLERY", "Museum and Art Gallery"),
    ("STRANDLEY", "Strandley"),
    ("WENDLEBY_PLACE", "Wendleby Place"),
    ("MARINA", "Marina"),
    ("BRENNOCK_AVENUE", "Brennock Avenue"),
    ("ORMSKEEP_AVENUE", "Ormskeep Avenue"),
    ("ALDERWICK_AVENUE", "Alderwick Avenue"),
    ("GASWORKS", "Gasworks"),
    ("YARROWFIELD_RAILROAD", "Yarrowfield Railroad"),
    ("DOCK_1", "Dock 1"),
    ("DOCK_2", "Dock 2"),
    ("DOCK_3", "Dock 3"),
    ("WATER_WORKS", "Water Works"),
]

BUSINESSES = [
    ("ANTIQUE_STORE", "Antique Store"),
    ("BAKERY", "Bakery"),
    ("BOOK_STORE", "Book Store"),
    ("BUTCHERS", "Butchers"),
    ("CAFE", "Cafe"),
    ("CLOTHES_STORE", "Clothes Store"),
    ("COMPUTER_STORE", "Computer Store"),
    ("CHEESE_STORE", "Cheese Store"),
    ("DELI", "Deli"),
    ("DEPARTMENT_STORE", "Department Store"),
    ("DINER", "Diner"),
    ("DOCTORS_SURGERY", "Doctor's Surgery"),
    ("ELECTRICAL_STORE", "Electrical Store"),
    ("ELECTRICAL_SUPERSTORE", "Electrical Superstore"),
    ("FISH_MARKET", "Fish Market"),
    ("FURNITURE_STORE", "Furniture Store"),
    ("GENERAL_STORE", "General Store"),
    ("GREENGROCERS", "Greengrocers"),
    ("HARDWARE_STORE", "Hardware Store"),
    ("HEALTH_CLINIC", "Health Clinic"),
    ("ICECREAM_PARLOUR", "Ice Cream Parlour"),
    ("JEWELLERS", "Jewellers"),
    ("MUSIC_STORE", "Music Store"),
    ("NEWS_STAND", "News Stand"),
    ("PHARMACY", "Pharmacy"),
    ("PHONE_SHOP", "Phone Shop"),
    ("SOUVENIR_SHOP", "Souvenir Shop"),
    ("SPORTS_STORE", "Sports Store"),
    ("SUPERMARKET", "Supermarket"),
    ("TOY_STORE", "Toy Store"),
    ("TRAVEL_AGENCY", "Travel Agency"),
    ("AMUSEMENT_ARCADE", "Amusement Arcade"),
    ("BALLROOM", "Ballroom"),
    ("BAR", "Bar"),
    ("BOWLING_ALLEY", "Bowling Alley"),
    ("CINEMA", "Cinema"),
    ("FAST_FOOD_OUTLET", "Fast Food Outlet"),
    ("NIGHTCLUB", "Nightclub"),
    ("POOL_HALL", "Pool Hall"),
    ("RESTAURANT", "Restaurant"),
    ("THEATRE", "Theatre"),
    ("VIDEO_STORE", "Video Store"),
    ("APARTMENT", "Apartment Block"),
    ("HOTEL", "Hotel"),
    ("LANDSCAPE", "Landscaping"),
]

COMMODITIES = [
    ("MEAT", "Meat"),
    ("FISH", "Fish"),
    ("FRUIT_AND_VEG", "Fruit & Veg"),
    ("BREAD", "Bread"),
    ("DAIRY_PRODUCE", "Dairy Produce"),
    ("DRINKS", "Drinks"),
    ("SWEETS", "Sweets"),
    ("MEAL", "Meals"),
    ("SNACK", "Snacks"),
    ("FASTFOOD", "Fast Food"),
    ("NEWSPAPER", "Newspapers"),
    ("BOOKS", "Books"),
    ("MUSIC_TAPES", "Music Tapes"),
    ("HEALTHCARE", "Healthcare"),
    ("RECREATIONAL_GOODS", "Recreational Goods"),
    ("JEWELLERY", "Jewellery"),
    ("ELECTRICAL_GOODS", "Electrical Goods"),
    ("FURNITURE", "Furniture"),
    ("ANTIQUES", "Antiques"),
    ("CLOTHING", "Clothing"),
    ("TOYS", "Toys"),
    ("TOOLS_AND_HARDWARE", "Tools & Hardware"),
    ("VIDEOS", "Videos"),
    ("COMPUTERS", "Computers"),
    ("SOUVENIRS", "Souvenirs"),
    ("DANCING", "Dancing"),
    ("PERFORMANCE", "Live Performance"),
    ("MOVIES", "Movies"),
    ("GAMING", "Gaming"),
    ("CELL_PHONES", "Cell Phones"),
    ("VACATIONS", "Vacations"),
    ("STAY_OVER", "Overnight Stay"),
]

# --- the stand-in game's settings --------------------------------------------

# Block: value, prestige, ownable, buildingrights (2 unlocks, 0 or 1 does not).
BLOCK_SETTINGS = {
    "CARROWAY_AVENUE": (1200, 1.25, True, 0),
    "DUNMERE_AVENUE": (1350, 1.5, True, 1),
    "TELECOMS": (9000, 0.75, False, 0),
    "BUS_TAXI": (6500, 0.5, False, 0),
    "BRAXBY_RAILROAD": (8000, 0.6, True, 0),
    "AIRPORT": (25000, 2.5, False, 0),
    "ELSBURY_AVENUE": (1500, 1.75, True, 2),
    "ZOO": (12000, 3.25, False, 0),
    "MARLOWEN_AVENUE": (1650, 1.8, True, 1),
    "LANWORTH_AVENUE": (1700, 2.0, True, 0),
    "UNIVERSITY_CAMPUS": (18000, 4.0, False, 0),
    "INGLEBY_PLACE": (2600, 3.5, True, 2),
    "JORVALE_AVENUE": (1800, 2.25, True, 0),
    "SCHOOL_LIBRARY": (7500, 2.75, False, 0),
    "NETHERBY_AVENUE": (1900, 2.1, True, 1),
    "RISSOMBE_AVENUE": (2000, 2.2, True, 0),
    "KESTERN_AVENUE": (2100, 2.3, True, 2),
    "ELECTRIC_COMPANY": (15000, 0.4, True, 0),
    "LOWMARSH_RAILROAD": (8200, 0.65, True, 0),
    "HOSPITAL": (20000, 3.0, False, 0),
    "SELVERTON": (3200, 3.75, True, 2),
    "ZENNORTH_RAILROAD": (8400, 0.7, True, 0),
    "FARLOWE_PLACE": (2800, 3.6, True, 1),
    "POLICE_FIRE": (11000, 1.0, False, 0),
    "QUARRENDON_GARDENS": (3600, 4.25, True, 2),
    "TAMBERLY_AVENUE": (2200, 2.4, True, 0),
    "GILMORTON_AVENUE": (2300, 2.45, True, 1),
    "HARTSEL_AVENUE": (2400, 2.5, True, 0),
    "PELLINGTON_AVENUE": (2500, 2.6, True, 2),
    "MUSEUM_ART_GALLERY": (14000, 4.5, False, 0),
    "STRANDLEY": (4000, 4.75, True, 2),
    "WENDLEBY_PLACE": (3000, 3.9, True, 1),
    "MARINA": (16000, 5.0, False, 0),
    "BRENNOCK_AVENUE": (2700, 2.8, True, 0),
    "ORMSKEEP_AVENUE": (1100, 1.1, True, 1),
    "ALDERWICK_AVENUE": (2900, 3.0, True, 2),
    "GASWORKS": (13000, 0.2, True, 0),
    "YARROWFIELD_RAILROAD": (8600, 0.75, True, 0),
    "DOCK_1": (5000, 0.3, True, 0),
    "DOCK_2": (5200, 0.3, True, 0),
    "DOCK_3": (5400, 0.35, True, 1),
    "WATER_WORKS": (14500, 0.25, True, 0),
}

BUSINESS_FIELDS = [
    "timeinstore", "refurbcost", "density", "minarea", "maxarea", "minheight",
    "maxheight", "maxside", "stockcapacity", "openingtime", "closingtime",
    "electricalneed", "gasneed", "telecomneed", "waterneed", "footprintband",
]
DOUBLE_FIELDS = {"timeinstore", "density", "electricalneed", "gasneed", "telecomneed",
                 "waterneed"}

# Business: the sixteen values in BUSINESS_FIELDS order, then what it sells.
BUSINESS_SETTINGS = {
    "ANTIQUE_STORE": ((0.75, 1800, 0.5, 2, 6, 1, 3, 4, 40, 9, 18, 0.4, 0.2, 0.3, 0.1, 1),
                      [("ANTIQUES", 85), ("FURNITURE", 15)]),
    "BAKERY": ((0.25, 900, 1.5, 1, 4, 1, 2, 4, 120, 9, 17, 0.5, 0.8, 0.1, 0.4, 1),
               [("BREAD", 80), ("SWEETS", 20)]),
    "BOOK_STORE": ((1.0, 1200, 0.75, 2, 8, 1, 3, 5, 200, 9, 19, 0.3, 0.1, 0.2, 0.05, 1),
                   [("BOOKS", 70), ("NEWSPAPER", 20), ("MUSIC_TAPES", 10)]),
    "BUTCHERS": ((0.3, 1100, 1.25, 1, 4, 1, 2, 4, 90, 9, 17, 0.6, 0.2, 0.1, 0.5, 1),
                 [("MEAT", 100)]),
    "CAFE": ((0.5, 1000, 2, 1, 5, 1, 2, 4, 60, 9, 20, 0.4, 0.6, 0.2, 0.6, 1),
             [("MEAL", 40), ("DRINKS", 35), ("SNACK", 25)]),
    "CLOTHES_STORE": ((0.8, 2200, 0.8, 2, 10, 1, 4, 5, 250, 9, 19, 0.5, 0.2, 0.2, 0.1, 2),
                      [("CLOTHING", 100)]),
    "COMPUTER_STORE": ((0.9, 3000, 0.6, 2, 9, 1, 3, 5, 150, 9, 19, 0.9, 0.1, 0.8, 0.05, 2),
                       [("COMPUTERS", 75), ("ELECTRICAL_GOODS", 15), ("CELL_PHONES", 10)]),
    "CHEESE_STORE": ((0.3, 950, 1.25, 1, 3, 1, 2, 4, 80, 9, 17, 0.5, 0.1, 0.1, 0.3, 1),
                     [("DAIRY_PRODUCE", 90), ("DRINKS", 10)]),
    "DELI": ((0.35, 1000, 1.5, 1, 4, 1, 2, 4, 90, 9, 20, 0.55, 0.3, 0.1, 0.35, 1),
             [("MEAT", 30), ("DAIRY_PRODUCE", 30), ("BREAD", 20), ("SNACK", 20)]),
    "DEPARTMENT_STORE": ((1.5, 9000, 0.4, 12, 36, 2, 8, 7, 900, 9, 20, 2.5, 1.2, 1.1, 0.8, 4),
                         [("CLOTHING", 30), ("FURNITURE", 20), ("ELECTRICAL_GOODS", 15),
                          ("TOYS", 15), ("JEWELLERY", 10), ("RECREATIONAL_GOODS", 10)]),
    "DINER": ((0.6, 1300, 1.75, 2, 6, 1, 2, 4, 70, 0, 23, 0.7, 0.9, 0.1, 0.7, 1),
              [("MEAL", 70), ("DRINKS", 30)]),
    "DOCTORS_SURGERY": ((0.5, 2500, 0.9, 2, 6, 1, 2, 4, 30, 9, 18, 0.6, 0.3, 0.4, 0.5, 1),
                        [("HEALTHCARE", 100)]),
    "ELECTRICAL_STORE": ((0.7, 2000, 0.7, 2, 8, 1, 3, 5, 180, 9, 19, 0.8, 0.1, 0.3, 0.05, 2),
                         [("ELECTRICAL_GOODS", 80), ("VIDEOS", 10), ("CELL_PHONES", 10)]),
    "ELECTRICAL_SUPERSTORE": ((1.2, 6500, 0.35, 10, 30, 1, 3, 6, 700, 9, 21, 2.2, 0.4, 0.9, 0.2,
                               4),
                              [("ELECTRICAL_GOODS", 50), ("COMPUTERS", 25), ("CELL_PHONES", 15),
                               ("VIDEOS", 10)]),
    "FISH_MARKET": ((0.4, 800, 1.1, 2, 6, 1, 1, 4, 110, 0, 14, 0.5, 0.1, 0.05, 0.9, 2),
                    [("FISH", 100)]),
    "FURNITURE_STORE": ((1.1, 3500, 0.3, 4, 16, 1, 3, 5, 300, 9, 18, 0.6, 0.3, 0.2, 0.1, 3),
                        [("FURNITURE", 90), ("ANTIQUES", 10)]),
    "GENERAL_STORE": ((0.4, 1400, 1.5, 1, 6, 1, 2, 4, 220, 0, 23, 0.7, 0.2, 0.2, 0.2, 1),
                      [("BREAD", 20), ("DAIRY_PRODUCE", 20), ("DRINKS", 20), ("SWEETS", 15),
                       ("NEWSPAPER", 15), ("SNACK", 10)]),
    "GREENGROCERS": ((0.3, 850, 1.25, 1, 4, 1, 2, 4, 120, 9, 17, 0.3, 0.1, 0.1, 0.6, 1),
                     [("FRUIT_AND_VEG", 100)]),
    "HARDWARE_STORE": ((0.6, 1900, 0.6, 2, 10, 1, 2, 5, 260, 9, 18, 0.5, 0.2, 0.2, 0.1, 2),
                       [("TOOLS_AND_HARDWARE", 90), ("FURNITURE", 10)]),
    "HEALTH_CLINIC": ((0.8, 4200, 0.8, 3, 12, 1, 4, 5, 40, 9, 21, 1.1, 0.6, 0.5, 0.9, 2),
                      [("HEALTHCARE", 100)]),
    "ICECREAM_PARLOUR": ((0.3, 900, 2, 1, 3, 1, 1, 4, 60, 9, 22, 0.8, 0.1, 0.05, 0.4, 1),
                         [("SWEETS", 70), ("DRINKS", 30)]),
    "JEWELLERS": ((0.6, 2800, 0.9, 1, 4, 1, 2, 4, 50, 9, 18, 0.3, 0.1, 0.3, 0.05, 1),
                  [("JEWELLERY", 100)]),
    "MUSIC_STORE": ((0.7, 1500, 0.8, 1, 6, 1, 2, 4, 140, 9, 19, 0.5, 0.1, 0.2, 0.05, 1),
                    [("MUSIC_TAPES", 85), ("VIDEOS", 15)]),
    "NEWS_STAND": ((0.1, 300, 3, 1, 1, 1, 1, 4, 200, 0, 23, 0.1, 0, 0.05, 0, 1),
                   [("NEWSPAPER", 70), ("SWEETS", 20), ("SNACK", 10)]),
    "PHARMACY": ((0.4, 1600, 1.1, 1, 5, 1, 2, 4, 130, 9, 21, 0.5, 0.1, 0.2, 0.3, 1),
                 [("HEALTHCARE", 80), ("SWEETS", 10), ("DRINKS", 10)]),
    "PHONE_SHOP": ((0.5, 1700, 1, 1, 3, 1, 2, 4, 90, 9, 19, 0.4, 0.05, 0.6, 0.05, 1),
                   [("CELL_PHONES", 100)]),
    "SOUVENIR_SHOP": ((0.4, 1000, 1.25, 1, 3, 1, 1, 4, 100, 9, 20, 0.3, 0.05, 0.1, 0.05, 1),
                      [("SOUVENIRS", 85), ("TOYS", 15)]),
    "SPORTS_STORE": ((0.8, 2400, 0.6, 2, 10, 1, 3, 5, 200, 9, 19, 0.5, 0.2, 0.2, 0.1, 2),
                     [("RECREATIONAL_GOODS", 70), ("CLOTHING", 30)]),
    "SUPERMARKET": ((0.9, 7000, 0.45, 9, 25, 1, 2, 6, 1200, 0, 22, 2, 1, 0.5, 1.2, 4),
                    [("MEAT", 20), ("FRUIT_AND_VEG", 20), ("BREAD", 15), ("DAIRY_PRODUCE", 15),
                     ("DRINKS", 15), ("FISH", 15)]),
    "TOY_STORE": ((0.6, 1600, 0.8, 2, 8, 1, 2, 5, 170, 9, 18, 0.4, 0.1, 0.1, 0.05, 1),
                  [("TOYS", 85), ("VIDEOS", 15)]),
    "TRAVEL_AGENCY": ((0.9, 1800, 1, 1, 4, 1, 3, 4, 20, 9, 18, 0.4, 0.05, 0.7, 0.05, 1),
                      [("VACATIONS", 100)]),
    "AMUSEMENT_ARCADE": ((1, 3200, 0.9, 2, 10, 1, 2, 5, 40, 9, 23, 1.8, 0.1, 0.3, 0.1, 2),
                         [("GAMING", 80), ("SNACK", 10), ("DRINKS", 10)]),
    "BALLROOM": ((2.5, 5000, 0.7, 6, 20, 1, 3, 6, 30, 18, 23, 1.2, 0.6, 0.2, 0.4, 3),
                 [("DANCING", 80), ("DRINKS", 20)]),
    "BAR": ((1.5, 2200, 1.75, 1, 6, 1, 2, 4, 120, 18, 23, 0.6, 0.4, 0.1, 0.8, 1),
            [("DRINKS", 85), ("SNACK", 15)]),
    "BOWLING_ALLEY": ((1.75, 6000, 0.5, 10, 30, 1, 2, 6, 50, 9, 23, 1.9, 0.5, 0.2, 0.3, 4),
                      [("GAMING", 60), ("DRINKS", 25), ("FASTFOOD", 15)]),
    "CINEMA": ((2.25, 8000, 0.75, 8, 24, 1, 3, 6, 60, 18, 23, 2.1, 0.7, 0.3, 0.4, 3),
               [("MOVIES", 75), ("SWEETS", 15), ("DRINKS", 10)]),
    "FAST_FOOD_OUTLET": ((0.25, 1500, 2.5, 1, 6, 1, 2, 4, 150, 0, 23, 0.9, 1.1, 0.2, 0.6, 1),
                         [("FASTFOOD", 80), ("DRINKS", 20)]),
    "NIGHTCLUB": ((3, 4500, 1.25, 3, 12, 1, 2, 5, 90, 18, 4, 1.6, 0.3, 0.2, 0.7, 2),
                  [("DANCING", 70), ("DRINKS", 30)]),
    "POOL_HALL": ((1.25, 1800, 1, 2, 8, 1, 2, 4, 40, 18, 2, 0.7, 0.2, 0.1, 0.3, 2),
                  [("GAMING", 70), ("DRINKS", 30)]),
    "RESTAURANT": ((1.5, 3800, 1.25, 2, 9, 1, 3, 5, 80, 18, 23, 0.9, 1.3, 0.2, 1, 2),
                   [("MEAL", 75), ("DRINKS", 25)]),
    "THEATRE": ((2.75, 9500, 0.6, 8, 20, 2, 4, 6, 40, 18, 23, 1.7, 0.9, 0.3, 0.5, 3),
                [("PERFORMANCE", 85), ("DRINKS", 15)]),
    "VIDEO_STORE": ((0.5, 1400, 1, 1, 5, 1, 2, 4, 300, 9, 22, 0.5, 0.05, 0.2, 0.05, 1),
                    [("VIDEOS", 80), ("SWEETS", 10), ("GAMING", 10)]),
    "APARTMENT": ((8, 12000, 3.5, 4, 16, 3, 20, 6, 10, 0, 23, 1.5, 1.2, 0.8, 1.5, 3),
                  [("STAY_OVER", 100)]),
    "HOTEL": ((12, 20000, 2.25, 6, 25, 4, 30, 7, 200, 0, 23, 3, 2.5, 1.4, 3.2, 5),
              [("STAY_OVER", 70), ("MEAL", 20), ("DRINKS", 10)]),
    "LANDSCAPE": ((0.5, 600, 0.1, 1, 49, 1, 1, 7, 1, 0, 0, 0, 0, 0, 0.2, 5),
                  [("RECREATIONAL_GOODS", 5)]),
}

MAIN, ENTERTAINMENT, STAYOVER = "MAINSHOPPING", "ENTERTAINMENTSHOPPING", "STAYOVERSHOPPING"

# Commodity: value, markup, shopping group.
COMMODITY_SETTINGS = {
    "MEAT": (6.5, 1.3, MAIN),
    "FISH": (7.25, 1.35, MAIN),
    "FRUIT_AND_VEG": (2.5, 1.5, MAIN),
    "BREAD": (1.75, 1.6, MAIN),
    "DAIRY_PRODUCE": (2.25, 1.4, MAIN),
    "DRINKS": (1.5, 2.0, MAIN),
    "SWEETS": (1, 1.8, MAIN),
    "MEAL": (12, 2.5, ENTERTAINMENT),
    "SNACK": (3.5, 1.9, ENTERTAINMENT),
    "FASTFOOD": (4.25, 2.2, ENTERTAINMENT),
    "NEWSPAPER": (0.5, 1.25, MAIN),
    "BOOKS": (9.99, 1.45, MAIN),
    "MUSIC_TAPES": (8.5, 1.6, MAIN),
    "HEALTHCARE": (25, 1.2, MAIN),
    "RECREATIONAL_GOODS": (30, 1.5, MAIN),
    "JEWELLERY": (150, 2.75, MAIN),
    "ELECTRICAL_GOODS": (85, 1.35, MAIN),
    "FURNITURE": (120, 1.7, MAIN),
    "ANTIQUES": (200, 3.0, MAIN),
    "CLOTHING": (35, 2.1, MAIN),
    "TOYS": (15, 1.9, MAIN),
    "TOOLS_AND_HARDWARE": (18.5, 1.55, MAIN),
    "VIDEOS": (12.5, 1.75, MAIN),
    "COMPUTERS": (600, 1.25, MAIN),
    "SOUVENIRS": (5.5, 3.25, MAIN),
    "DANCING": (8, 2.4, ENTERTAINMENT),
    "PERFORMANCE": (22, 1.8, ENTERTAINMENT),
    "MOVIES": (7.5, 2.0, ENTERTAINMENT),
    "GAMING": (3, 2.6, ENTERTAINMENT),
    "CELL_PHONES": (95, 1.6, MAIN),
    "VACATIONS": (450, 1.15, STAYOVER),
    "STAY_OVER": (60, 1.4, STAYOVER),
}

# --- the reader's line tests ---------------------------------------------------

KEYS = [
    "value", "prestige", "ownable", "buildingrights", "timeinstore", "refurbcost", "density",
    "minarea", "maxarea", "minheight", "maxheight", "maxside", "stockcapacity", "openingtime",
    "closingtime", "electricalneed", "gasneed", "telecomneed", "waterneed", "footprintband",
    "markup", "Membership", "railutilincomeEASY", "railutilincomeMEDIUM", "railutilincomeHARD",
    "dailyfreightEASY", "dailyfreightMEDIUM", "dailyfreightHARD", "citybusinessesownable",
    "daysoff", "numyearsin24hours", "blockleaselength", "AddCommodity",
]


def key_of_line(line: str) -> str:
    lower = line.lower()
    for key in KEYS:
        if key.lower() in lower:
            if key == "ownable" and "citybusinessesownable" in lower:
                continue
            return key
    return ""


def strip_comment(line: str) -> str:
    pos = line.find("--")
    return line if pos < 0 else line[:pos]


def slot_of(table, text: str) -> int:
    for slot, (ident, _) in enumerate(table):
        if ident in text:
            return slot
    return -1


class Checker:
    """Applies the reader's tests to every line of one script."""

    def __init__(self, script: str, table):
        self.script = script
        self.table = table  # None for hub.lua
        self.errors: list[str] = []

    def reads_as(self, line: str):
        """(key, slot) the reader takes from the line, or None when it skips it."""
        key = key_of_line(line)
        if not key:
            return None
        text = strip_comment(line).replace(" ", "").replace("\t", "")
        if not text:
            return None
        if self.table is None:
            slot = 0 if "Tweaks" in text else -1
        else:
            slot = slot_of(self.table, text)
        if slot < 0:
            return None
        if self.table is not None:
            code = self.table[slot][0].lower()
            low = text.lower()
            if code not in low or key.lower() not in low or low.find(code) >= low.find(key.lower()):
                return None
        return key, slot

    def check(self, line: str, expected):
        got = self.reads_as(line)
        if got != expected:
            self.errors.append(f"{self.script}: {line!r} reads as {got}, expected {expected}")
            return
        if expected is None:
            return
        key = expected[0]
        text = strip_comment(line).replace(" ", "").replace("\t", "")
        p_key = text.find(key)
        if p_key < 0:
            self.errors.append(f"{self.script}: {line!r}: key not found with its letter case")
            return
        p_semi = text.find(";", p_key)
        if key == "AddCommodity":
            p_open = text.find("(", p_key)
            p_comma = text.find(",", p_key)
            p_close = text.find(")", p_comma + 1) if p_comma >= 0 else -1
            if min(p_open, p_comma, p_close, p_semi) < 0 or not p_open < p_comma < p_close:
                self.errors.append(f"{self.script}: {line!r}: call form broken")
        elif key == "Membership":
            if text.find("(", p_key) < 0 or p_semi < 0:
                self.errors.append(f"{self.script}: {line!r}: call form broken")
        else:
            p_eq = text.find("=", p_key)
            if p_eq < 0 or p_semi < 0 or p_semi <= p_eq:
                self.errors.append(f"{self.script}: {line!r}: no '=' before ';'")


# --- writing -------------------------------------------------------------------


def number(value) -> str:
    """A double as a modder writes it: no more than two decimals."""
    if isinstance(value, int):
        return str(value)
    text = f"{value:.2f}".rstrip("0")
    return text + "0" if text.endswith(".") else text


def one_decimal(value: float) -> str:
    return f"{value:.1f}"


def flag(value: bool) -> str:
    return "true" if value else "false"


class Script:
    def __init__(self, checker: Checker):
        self.lines: list[str] = []
        self.checker = checker

    def text(self, line: str = ""):
        """A line the reader must pass over (comment, blank, other Lua)."""
        self.checker.check(line, None)
        self.lines.append(line)

    def setting(self, line: str, key: str, slot: int):
        self.checker.check(line, (key, slot))
        self.lines.append(line)

    def bytes(self) -> bytes:
        return (CRLF.join(self.lines) + CRLF).encode("ascii")

    def errors(self) -> list[str]:
        return self.checker.errors


RULE = "-" * 78


def banner(script: Script, title: str, about: list[str]):
    script.text("-" + RULE)
    script.text(f"-- {title}")
    script.text("--")
    for line in about:
        script.text(f"-- {line}" if line else "--")
    script.text("-" + RULE)
    script.text()


# Trailing comments on a few lines. None of them may name a key that comes
# before the line's own key in the reader's key order (the checker makes sure).
BLOCK_COMMENTS = {
    ("AIRPORT", "value"): "-- purchase price",
    ("AIRPORT", "prestige"): "-- busy but noisy",
    ("ZOO", "prestige"): "-- families like it",
    ("HOSPITAL", "ownable"): "-- run by the city",
    ("MARINA", "value"): "-- harbour frontage",
    ("STRANDLEY", "prestige"): "-- the best address in town",
    ("DOCK_3", "buildingrights"): "-- 2 unlocks building",
    ("GASWORKS", "prestige"): "-- nobody wants to live here",
}

BUSINESS_COMMENTS = {
    "timeinstore": "-- hours per customer",
    "minarea": "-- in plots",
    "maxheight": "-- storeys",
    "openingtime": "-- 24h clock",
    "stockcapacity": "-- units",
}


def make_blocks() -> Script:
    s = Script(Checker("blocksettings.lua", BLOCKS))
    banner(s, "blocksettings.lua", [
        "The city blocks of Tollgrove.",
        "",
        "  value           price of the block when it comes up for lease",
        "  prestige        how much customers and residents like the address",
        "  ownable         whether a player may own the block",
        "  buildingrights  2 = building rights unlocked; 0 or 1 = locked",
    ])
    public = {"TELECOMS", "BUS_TAXI", "AIRPORT", "ZOO", "UNIVERSITY_CAMPUS", "SCHOOL_LIBRARY",
              "HOSPITAL", "POLICE_FIRE", "MUSEUM_ART_GALLERY", "MARINA"}
    for slot, (code, name) in enumerate(BLOCKS):
        value, prestige, ownable, rights = BLOCK_SETTINGS[code]
        s.text(f"-- {name}{' (city owned)' if code in public else ''}")
        if code == "AIRPORT":
            s.text("--Block[AIRPORT].value = 30000;  -- before the runway extension")
        indent = "\t" if code.startswith("DOCK") else ""
        pad = "    " if code in ("ZOO", "MARINA") else " "
        for key, text in (("value", str(value)), ("prestige", number(prestige)),
                          ("ownable", flag(ownable)), ("buildingrights", str(rights))):
            line = f"{indent}Block[{code}].{key}{pad}= {text};"
            comment = BLOCK_COMMENTS.get((code, key))
            if comment:
                line += "    " + comment
            s.setting(line, key, slot)
        s.text()
    s.text("-- end of blocksettings.lua")
    return s


def make_businesses() -> Script:
    s = Script(Checker("businesssettings.lua", BUSINESSES))
    banner(s, "businesssettings.lua", [
        "The business types of Tollgrove: size and shape of their buildings,",
        "opening hours, their needs for utilities and what they sell.",
        "",
        "  AddCommodity(COMMODITY, share)   share is 1 to 100 per commodity",
    ])
    sections = {"ANTIQUE_STORE": "Shops", "AMUSEMENT_ARCADE": "Entertainment",
                "APARTMENT": "Stay-over and the rest"}
    for slot, (code, name) in enumerate(BUSINESSES):
        values, sells = BUSINESS_SETTINGS[code]
        if code in sections:
            s.text("-- " + "=" * 76)
            s.text(f"-- {sections[code]}")
            s.text("-- " + "=" * 76)
            s.text()
        s.text(f"-- {name}")
        for key, value in zip(BUSINESS_FIELDS, values):
            text = number(float(value)) if key in DOUBLE_FIELDS else str(value)
            line = f"BusinessInfo[{code}].{key} = {text};"
            comment = BUSINESS_COMMENTS.get(key) if slot % 3 == 0 else None
            if comment:
                line += "  " + comment
            s.setting(line, key, slot)
        for commodity, amount in sells:
            s.setting(f"\tBusinessInfo[{code}]:AddCommodity({commodity}, {amount});",
                      "AddCommodity", slot)
        s.text()
    s.text("-- end of businesssettings.lua")
    return s


def make_commodities() -> Script:
    s = Script(Checker("commoditysettings.lua", COMMODITIES))
    banner(s, "commoditysettings.lua", [
        "The commodities sold in Tollgrove: base price, shop markup and the",
        "shopping trip they belong to (MAINSHOPPING, ENTERTAINMENTSHOPPING or",
        "STAYOVERSHOPPING).",
    ])
    for slot, (code, name) in enumerate(COMMODITIES):
        value, markup, group = COMMODITY_SETTINGS[code]
        s.text(f"-- {name}")
        s.setting(f"Commodity[{code}].value = {number(float(value))};", "value", slot)
        markup_line = f"Commodity[{code}].markup = {number(float(markup))};"
        if code in ("JEWELLERY", "ANTIQUES", "SOUVENIRS"):
            markup_line += "   -- collectors pay more"
        s.setting(markup_line, "markup", slot)
        s.setting(f"Commodity[{code}]:Membership({group});", "Membership", slot)
        s.text()
    s.text("-- end of commoditysettings.lua")
    return s


def make_hub() -> Script:
    s = Script(Checker("hub.lua", None))
    banner(s, "hub.lua", [
        "City-wide tweaks of Tollgrove. The difficulty levels EASY, MEDIUM and",
        "HARD each have their own railroad and utility figures.",
    ])
    s.text("-- Railroad and utility income multipliers")
    s.setting("Tweaks.railutilincomeEASY = 1.5;", "railutilincomeEASY", 0)
    s.setting("Tweaks.railutilincomeMEDIUM = 1.0;", "railutilincomeMEDIUM", 0)
    s.setting("Tweaks.railutilincomeHARD = 0.8;", "railutilincomeHARD", 0)
    s.text()
    s.text("-- Railroad daily freight")
    s.setting("Tweaks.dailyfreightEASY = 5000;", "dailyfreightEASY", 0)
    s.setting("Tweaks.dailyfreightMEDIUM = 3500;", "dailyfreightMEDIUM", 0)
    s.setting("Tweaks.dailyfreightHARD = 2500;    -- tight margins", "dailyfreightHARD", 0)
    s.text()
    s.text("-- Miscellaneous")
    s.setting("  Tweaks.citybusinessesownable = true;", "citybusinessesownable", 0)
    s.setting("  Tweaks.daysoff = false;   -- shops trade every day", "daysoff", 0)
    s.setting("  Tweaks.numyearsin24hours = 2;", "numyearsin24hours", 0)
    s.setting("  Tweaks.blockleaselength = 720;   -- 30 days", "blockleaselength", 0)
    s.text()
    s.text("-- Starting conditions (not edited by TG Edit)")
    s.text("Tweaks.startingcash = 250000;")
    s.text("Tweaks.loaninterest = 0.08;")
    s.text()
    s.text("-- end of hub.lua")
    return s


def code_table(title: str, entries) -> bytes:
    lines = [f"// {title}"] + list(entries)
    return (CRLF.join(lines) + CRLF).encode("ascii")


def main() -> int:
    # The tables must agree with each other before anything is written.
    for table, settings in ((BLOCKS, BLOCK_SETTINGS), (BUSINESSES, BUSINESS_SETTINGS),
                            (COMMODITIES, COMMODITY_SETTINGS)):
        assert [code for code, _ in table] == list(settings), "settings out of slot order"
        for code, name in table:
            assert "," not in name and "//" not in name and '"' not in name, name
    for code, (values, sells) in BUSINESS_SETTINGS.items():
        assert len(values) == len(BUSINESS_FIELDS), code
        v = dict(zip(BUSINESS_FIELDS, values))
        assert 1 <= v["minarea"] <= v["maxarea"] <= 49, code
        assert 1 <= v["maxside"] <= 7 and 0 <= v["closingtime"] <= 23, code
        assert v["openingtime"] in (9, 18, 0), code
        assert 1 <= len(sells) <= 6 and all(1 <= a <= 100 for _, a in sells), code
        assert all(c in COMMODITY_SETTINGS for c, _ in sells), code
    for code, (value, _, _, rights) in BLOCK_SETTINGS.items():
        assert -32768 <= value <= 32767 and rights in (0, 1, 2), code

    files = {
        "data/blk_code.txt": code_table("Block identifiers in map order - one per slot",
                                        (c for c, _ in BLOCKS)),
        "data/blk_usa.txt": code_table("Block names in map order - one per slot",
                                       (n for _, n in BLOCKS)),
        "data/biz_code.txt": code_table("Business identifiers in list order - one per slot",
                                        (c for c, _ in BUSINESSES)),
        "data/biz_usa.txt": code_table("Business names in list order - one per slot",
                                       (n for _, n in BUSINESSES)),
        "data/com_code.txt": code_table("Commodity identifiers in list order - one per slot",
                                        (c for c, _ in COMMODITIES)),
        "data/com_usa.txt": code_table("Commodity names in list order - one per slot",
                                       (n for _, n in COMMODITIES)),
        "data/tge.prj": ("DO NOT DELETE THIS FILE." + CRLF + " 0 " + CRLF).encode("ascii"),
        "demo/game/mc.exe": (
            "This file stands in for the program of the game Tollgrove." + CRLF +
            "TG Edit only looks for it to recognise the game folder and reads its" + CRLF +
            "length; it is not a program." + CRLF).encode("ascii"),
    }
    scripts = {
        "blocksettings.lua": make_blocks,
        "businesssettings.lua": make_businesses,
        "commoditysettings.lua": make_commodities,
        "hub.lua": make_hub,
    }
    errors = []
    for name, make in scripts.items():
        script = make()
        errors += script.errors()
        files[f"demo/game/SCRIPTS/DEFAULT/{name}"] = script.bytes()
    if errors:
        print("\n".join(errors), file=sys.stderr)
        return 1
    if "--check" in sys.argv[1:]:
        stale = [r for r, content in files.items()
                 if not (ROOT / r).is_file() or (ROOT / r).read_bytes() != content]
        for relative in stale:
            print(f"differs: {relative}", file=sys.stderr)
        return 1 if stale else 0
    for relative, content in files.items():
        path = ROOT / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(content)
        print(f"wrote {relative} ({len(content)} bytes)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
