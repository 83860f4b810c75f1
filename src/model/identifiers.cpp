#include "model/identifiers.h"

namespace tg {

const std::array<std::string_view, kBlockCount> kBlockIdentifiers = {
    "CARROWAY_AVENUE",
    "DUNMERE_AVENUE",
    "TELECOMS",
    "BUS_TAXI",
    "BRAXBY_RAILROAD",
    "AIRPORT",
    "ELSBURY_AVENUE",
    "ZOO",
    "MARLOWEN_AVENUE",
    "LANWORTH_AVENUE",
    "UNIVERSITY_CAMPUS",
    "INGLEBY_PLACE",
    "JORVALE_AVENUE",
    "SCHOOL_LIBRARY",
    "NETHERBY_AVENUE",
    "RISSOMBE_AVENUE",
    "KESTERN_AVENUE",
    "ELECTRIC_COMPANY",
    "LOWMARSH_RAILROAD",
    "HOSPITAL",
    "SELVERTON",
    "ZENNORTH_RAILROAD",
    "FARLOWE_PLACE",
    "POLICE_FIRE",
    "QUARRENDON_GARDENS",
    "TAMBERLY_AVENUE",
    "GILMORTON_AVENUE",
    "HARTSEL_AVENUE",
    "PELLINGTON_AVENUE",
    "MUSEUM_ART_GALLERY",
    "STRANDLEY",
    "WENDLEBY_PLACE",
    "MARINA",
    "BRENNOCK_AVENUE",
    "ORMSKEEP_AVENUE",
    "ALDERWICK_AVENUE",
    "GASWORKS",
    "YARROWFIELD_RAILROAD",
    "DOCK_1",
    "DOCK_2",
    "DOCK_3",
    "WATER_WORKS",
};

const std::array<std::string_view, kBusinessCount> kBusinessIdentifiers = {
    "ANTIQUE_STORE",
    "BAKERY",
    "BOOK_STORE",
    "BUTCHERS",
    "CAFE",
    "CLOTHES_STORE",
    "COMPUTER_STORE",
    "CHEESE_STORE",
    "DELI",
    "DEPARTMENT_STORE",
    "DINER",
    "DOCTORS_SURGERY",
    "ELECTRICAL_STORE",
    "ELECTRICAL_SUPERSTORE",
    "FISH_MARKET",
    "FURNITURE_STORE",
    "GENERAL_STORE",
    "GREENGROCERS",
    "HARDWARE_STORE",
    "HEALTH_CLINIC",
    "ICECREAM_PARLOUR",
    "JEWELLERS",
    "MUSIC_STORE",
    "NEWS_STAND",
    "PHARMACY",
    "PHONE_SHOP",
    "SOUVENIR_SHOP",
    "SPORTS_STORE",
    "SUPERMARKET",
    "TOY_STORE",
    "TRAVEL_AGENCY",
    "AMUSEMENT_ARCADE",
    "BALLROOM",
    "BAR",
    "BOWLING_ALLEY",
    "CINEMA",
    "FAST_FOOD_OUTLET",
    "NIGHTCLUB",
    "POOL_HALL",
    "RESTAURANT",
    "THEATRE",
    "VIDEO_STORE",
    "APARTMENT",
    "HOTEL",
    "LANDSCAPE",
};

const std::array<std::string_view, kCommodityCount> kCommodityIdentifiers = {
    "MEAT",
    "FISH",
    "FRUIT_AND_VEG",
    "BREAD",
    "DAIRY_PRODUCE",
    "DRINKS",
    "SWEETS",
    "MEAL",
    "SNACK",
    "FASTFOOD",
    "NEWSPAPER",
    "BOOKS",
    "MUSIC_TAPES",
    "HEALTHCARE",
    "RECREATIONAL_GOODS",
    "JEWELLERY",
    "ELECTRICAL_GOODS",
    "FURNITURE",
    "ANTIQUES",
    "CLOTHING",
    "TOYS",
    "TOOLS_AND_HARDWARE",
    "VIDEOS",
    "COMPUTERS",
    "SOUVENIRS",
    "DANCING",
    "PERFORMANCE",
    "MOVIES",
    "GAMING",
    "CELL_PHONES",
    "VACATIONS",
    "STAY_OVER",
};

namespace {

template <std::size_t N>
int firstSlotIn(const std::array<std::string_view, N>& table, std::string_view line) {
    for (std::size_t slot = 0; slot < N; ++slot) {
        if (line.find(table[slot]) != std::string_view::npos) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

}  // namespace

int blockSlotOf(std::string_view line) {
    return firstSlotIn(kBlockIdentifiers, line);
}
int businessSlotOf(std::string_view line) {
    return firstSlotIn(kBusinessIdentifiers, line);
}
int commoditySlotOf(std::string_view line) {
    return firstSlotIn(kCommodityIdentifiers, line);
}
int tweaksSlotOf(std::string_view line) {
    return line.find(kTweaksIdentifier) != std::string_view::npos ? 0 : -1;
}

}  // namespace tg
