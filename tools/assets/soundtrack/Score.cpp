#include "Score.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace soundtrack {

constexpr int kMaxPatternRows = 64;

int noteNumber(const std::string& name) {
    static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return 0;
    int semitone = kSemitone[name[0] - 'A'];
    size_t i = 1;
    if (name[i] == '#' || name[i] == 'b') semitone += name[i++] == '#' ? 1 : -1;
    if (i + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
    const int note = (name[i] - '0') * 12 + semitone + 1;
    return note >= 1 && note <= 96 ? note : 0;
}

Score::Score(int rows, int channels)
    : rows_(rows), channels_(channels), cells_(static_cast<size_t>(rows * channels)), panning_(channels, -1) {}

size_t Score::index(int row, int channel) const {
    if (row < 0 || row >= rows_ || channel < 0 || channel >= channels_)
        throw std::out_of_range("score cell outside the song");
    return static_cast<size_t>(row * channels_ + channel);
}

const XmCell& Score::at(int row, int channel) const { return cells_[index(row, channel)]; }

void Score::play(int row, int channel, int note, int instrument, int volume) {
    if (note < 1 || note > 96) throw std::out_of_range("note outside C-0..B-7");
    XmCell& c = cell(row, channel);
    c.note = static_cast<uint8_t>(note);
    c.instrument = static_cast<uint8_t>(instrument);
    c.volume = volume == kDefaultVolume ? 0 : static_cast<uint8_t>(kSetVolume + std::clamp(volume, 0, 64));
    if (panning_[channel] >= 0) {
        c.effect = kEffectSetPanning;
        c.param = static_cast<uint8_t>(panning_[channel]);
    }
}

void Score::release(int row, int channel) {
    XmCell& c = cell(row, channel);
    c = XmCell{};
    c.note = kKeyOff;
}

void Score::effect(int row, int channel, uint8_t effect, uint8_t param) {
    XmCell& c = cell(row, channel);
    if (c.effect || c.param) throw std::logic_error("two effects in one cell");
    c.effect = effect;
    c.param = param;
}

int Score::soundingNote(int row, int channel) const {
    for (int r = std::min(row, rows_) - 1; r >= 0; --r) {
        const uint8_t note = at(r, channel).note;
        if (note) return note == kKeyOff ? 0 : note;
    }
    return 0;
}

void Score::echo(int from, int to, int delay, int percent, int first, int end) {
    for (int r = first; r < end && r + delay < rows_; ++r) {
        const XmCell& source = at(r, from);
        if (source.note == kKeyOff) {
            release(r + delay, to);
        } else if (source.note) {
            const int volume = source.volume ? source.volume - kSetVolume : 64;
            play(r + delay, to, source.note, source.instrument, volume * percent / 100);
        }
    }
}

void Score::writePatterns(const std::vector<int>& cuts, XmModule& module) const {
    module.channels = channels_;
    std::vector<int> starts;
    for (size_t i = 0; i < cuts.size(); ++i) {
        const int end = i + 1 < cuts.size() ? cuts[i + 1] : rows_;
        for (int r = cuts[i]; r < end; r += kMaxPatternRows) starts.push_back(r);
    }
    for (size_t i = 0; i < starts.size(); ++i) {
        const int next = i + 1 < starts.size() ? starts[i + 1] : rows_;
        const int end = std::min(next, starts[i] + kMaxPatternRows);
        XmPattern p;
        p.rows = end - starts[i];
        p.cells.assign(cells_.begin() + starts[i] * channels_, cells_.begin() + end * channels_);
        auto same = std::find_if(module.patterns.begin(), module.patterns.end(), [&](const XmPattern& q) {
            return q.rows == p.rows && q.cells == p.cells;
        });
        if (same == module.patterns.end()) {
            module.patterns.push_back(std::move(p));
            same = module.patterns.end() - 1;
        }
        module.orders.push_back(static_cast<uint8_t>(same - module.patterns.begin()));
    }
}

int playMelody(Score& score, int row, int channel, int instrument, int volume, const std::string& text,
               int transpose) {
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), '|', ' ');
    std::istringstream tokens(spaced);
    std::string token;
    int at = row;
    while (tokens >> token) {
        const size_t colon = token.find(':');
        if (colon == std::string::npos) throw std::invalid_argument("melody token without length: " + token);
        const std::string pitch = token.substr(0, colon);
        const int length = std::stoi(token.substr(colon + 1));
        if (pitch == "r") {
            score.release(at, channel);
        } else if (pitch != "-") {
            const int note = noteNumber(pitch);
            if (!note) throw std::invalid_argument("not a note: " + pitch);
            score.play(at, channel, note + transpose, instrument, volume);
        }
        at += length;
    }
    return at - row;
}

void playSteps(Score& score, int row, int channel, const std::string& steps, std::initializer_list<Step> kit) {
    for (size_t i = 0; i < steps.size(); ++i) {
        if (steps[i] == '.') continue;
        const auto step = std::find_if(kit.begin(), kit.end(), [&](const Step& s) { return s.symbol == steps[i]; });
        if (step == kit.end()) throw std::invalid_argument(std::string("unknown step symbol ") + steps[i]);
        score.play(row + static_cast<int>(i), channel, step->note, step->instrument, step->volume);
    }
}

}  // namespace soundtrack
