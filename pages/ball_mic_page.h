#pragma once
// What a thread window in ball micrometer mode shows on its gauge-setting
// page, and the inputs a ball micrometer report and plcalc print, as texts.

#include <string>
#include <vector>

class TBallMic;

struct BallMicPageText {
    std::string name;       // "Ball Mic Setting Dims."
    std::string extCaption; // "Internal Dims." or "External Dims."
    std::string setFlatCaption;
    std::string setFlat;     // the setting dimension
    std::string setVCaption; // "Dist. Over Ball:"
    std::string setV;
    std::string ballDiaCaption; // "Ball Dia:"
    std::string ballDia;
    std::string unit = "in"; // of every length: the page's inputs are inches
    // The two setting dimensions with the unit, as the report prints them.
    std::string setFlatShown, setVShown;
    std::string gaugeModel; // "HB-5000"
    std::string picture;    // "HB5000"
};

BallMicPageText BuildBallMicPage(const TBallMic& bm);

// "Ball Mic SetDim - " + the file name without its folder.
std::string BallMicCaption(const std::string& fileName);

struct BallMicRow {
    std::string label;
    std::string value;
    std::string shown; // the value with its unit, as the page and the report show it
};
// The inputs of the calculation as the report prints them: the half angle,
// the entries its method uses, the ball and the side.
std::vector<BallMicRow> BallMicInputRows(const TBallMic& bm);

// The ball diameter typed on the page: a number, or one with "mm" (turned
// into inches) or "in" or a double quote.
double BallDiaEntry(const std::string& text);
