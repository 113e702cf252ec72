// Real misspellings of English words with the word meant, shared by the suggestion tests and the
// suggestion benchmark so that quality and speed are measured on the same words.
#ifndef TROV_TEST_COMMON_MISSPELLINGS_H
#define TROV_TEST_COMMON_MISSPELLINGS_H

namespace trov::test {

struct Misspelling {
  const char* typed;
  const char* intended;
};

// Misspellings that the default user dictionary of typing errors (correct.tlx) corrects.
inline constexpr Misspelling kListedMisspellings[] = {
    {"recieve", "receive"},
    {"seperate", "separate"},
    {"definately", "definitely"},
    {"occured", "occurred"},
    {"untill", "until"},
    {"accomodate", "accommodate"},
    {"wierd", "weird"},
    {"beleive", "believe"},
    {"goverment", "government"},
    {"tommorow", "tomorrow"},
    {"neccessary", "necessary"},
    {"occurence", "occurrence"},
    {"publically", "publicly"},
    {"existance", "existence"},
    {"calender", "calendar"},
    {"begining", "beginning"},
    {"buisness", "business"},
    {"cemetary", "cemetery"},
    {"commitee", "committee"},
    {"concious", "conscious"},
    {"embarass", "embarrass"},
    {"enviroment", "environment"},
    {"foriegn", "foreign"},
    {"freind", "friend"},
    {"grammer", "grammar"},
    {"harrass", "harass"},
    {"independant", "independent"},
    {"knowlege", "knowledge"},
    {"liason", "liaison"},
    {"libary", "library"},
    {"millenium", "millennium"},
    {"mispell", "misspell"},
    {"noticable", "noticeable"},
    {"occassion", "occasion"},
    {"persistant", "persistent"},
    {"posession", "possession"},
    {"prefered", "preferred"},
    {"reccomend", "recommend"},
    {"refered", "referred"},
    {"relevent", "relevant"},
    {"resistence", "resistance"},
    {"rythm", "rhythm"},
    {"seige", "siege"},
    {"succesful", "successful"},
    {"supercede", "supersede"},
    {"tendancy", "tendency"},
    {"threshhold", "threshold"},
    {"truely", "truly"},
    {"writting", "writing"},
    {"acheive", "achieve"},
    {"arguement", "argument"},
    {"basicly", "basically"},
    {"teh", "the"},
    {"adn", "and"},
    {"hte", "the"},
    {"taht", "that"},
};

// Misspellings that no dictionary lists: only the search finds what was meant.
inline constexpr Misspelling kUnlistedMisspellings[] = {
    {"beautifull", "beautiful"},
    {"vaccum", "vacuum"},
    {"athiest", "atheist"},
    {"bizzare", "bizarre"},
    {"carribean", "Caribbean"},
    {"consciencious", "conscientious"},
    {"disapear", "disappear"},
    {"disapoint", "disappoint"},
    {"fourty", "forty"},
    {"humourous", "humorous"},
    {"hygene", "hygiene"},
    {"immitate", "imitate"},
    {"incidently", "incidentally"},
    {"kernal", "kernel"},
    {"maintainance", "maintenance"},
    {"manuever", "maneuver"},
    {"medeval", "medieval"},
    {"miniture", "miniature"},
    {"occurr", "occur"},
    {"paralell", "parallel"},
    {"pasttime", "pastime"},
    {"restarant", "restaurant"},
    {"rediculous", "ridiculous"},
    {"strenght", "strength"},
    {"succede", "succeed"},
    {"tommorrow", "tomorrow"},
    {"vacinity", "vicinity"},
    {"whereever", "wherever"},
    {"wholy", "wholly"},
    {"writeing", "writing"},
    {"wrod", "word"},
    {"persue", "pursue"},
    {"similer", "similar"},
    {"potatoe", "potato"},
    {"intrest", "interest"},
    {"posess", "possess"},
};

}  // namespace trov::test

#endif  // TROV_TEST_COMMON_MISSPELLINGS_H
