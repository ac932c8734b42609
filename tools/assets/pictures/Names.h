#pragma once
// The names the pictures show. All of them are invented for this production.

namespace assets::names {

constexpr const char* kGroup = "Velmora";
constexpr const char* kProduction = "Tarvo";
constexpr const char* kCoder = "Draxlen";
constexpr const char* kMusician = "Ombriel";
constexpr const char* kGraphician = "Quellow";

constexpr const char* kGreetedLeft[] = {
    "Aurelkin",  "Brisvane",  "Celdorra", "Dunvexa",   "Eskelund", "Fjornak",
    "Glimmertusk", "Hollowquay", "Ivrenna", "Jastrelle", "Kovanta", "Lunethra",
};
constexpr const char* kGreetedRight[] = {
    "Mirkwell",  "Nebulith", "Orvenhall", "Pestrova", "Quenmarrow", "Rundelvik",
    "Saffrowe",  "Tolvarine", "Umbrisk",  "Vantelle", "Wexmoor",    "Zyrenth",
};

}  // namespace assets::names
