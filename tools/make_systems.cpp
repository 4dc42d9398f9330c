// Writes the small systems bundled in data/systems/, so that system games can be tried before
// any system is downloaded, and checks what each one guarantees.
//
//   make_systems OUTPUT_DIR     write the systems and check the files written
//   make_systems --check DIR    check the systems of DIR (exit 1 when one falls short)
//
// A system is a list of 5-number combinations over positions 1..k. Its guarantee "t if 5"
// means: whichever 5 of the k numbers are drawn, at least one combination holds t of them.
// The systems made here:
//   5-06-5_9001.dat  every combination of 6 numbers (a full wheel, 5 if 5), 6 lines
//   5-07-5_9002.dat  every combination of 7 numbers (a full wheel, 5 if 5), 21 lines
//   5-10-3_9003.dat  3 if 5 for 10 numbers, found greedily
// The name is "5-<k>-<guarantee>_<id>.dat"; ids from 9001 up are local and never a catalog's.
// Lines are written as "01 02 03 04 05" with CR LF, the form the catalog writes.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using TBlock = std::vector<int>;

struct TSystemSpec {
    int Numbers;    // k
    int Guarantee;  // t of "t if 5"
    int Id;
    bool FullWheel;
};

constexpr TSystemSpec kSystems[] = {
    {6, 5, 9001, true},
    {7, 5, 9002, true},
    {10, 3, 9003, false},
};

// Every 5-subset of 1..k in lexicographic order.
std::vector<TBlock> AllFives(int k) {
    std::vector<TBlock> out;
    TBlock c = {1, 2, 3, 4, 5};
    while (true) {
        out.push_back(c);
        int i = 4;
        while (i >= 0 && c[static_cast<std::size_t>(i)] == k - 4 + i) --i;
        if (i < 0) return out;
        ++c[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < 5; ++j) {
            c[static_cast<std::size_t>(j)] = c[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

int Overlap(const TBlock& a, const TBlock& b) {
    int n = 0;
    for (const int x : a) n += std::count(b.begin(), b.end(), x) > 0 ? 1 : 0;
    return n;
}

// Greedy covering: take the combination that covers most of the draws not yet covered
// (the first such in lexicographic order), until every draw is covered.
std::vector<TBlock> GreedyCovering(int k, int t) {
    const std::vector<TBlock> fives = AllFives(k);
    std::vector<bool> covered(fives.size(), false);
    std::vector<TBlock> blocks;
    std::size_t left = fives.size();
    while (left > 0) {
        std::size_t best = 0;
        std::size_t bestGain = 0;
        for (std::size_t c = 0; c < fives.size(); ++c) {
            std::size_t gain = 0;
            for (std::size_t d = 0; d < fives.size(); ++d) {
                if (!covered[d] && Overlap(fives[c], fives[d]) >= t) ++gain;
            }
            if (gain > bestGain) {
                bestGain = gain;
                best = c;
            }
        }
        blocks.push_back(fives[best]);
        for (std::size_t d = 0; d < fives.size(); ++d) {
            if (!covered[d] && Overlap(fives[best], fives[d]) >= t) {
                covered[d] = true;
                --left;
            }
        }
    }
    return blocks;
}

std::string FileName(const TSystemSpec& s) {
    char name[64];
    std::snprintf(name, sizeof name, "5-%.2d-%d_%.4d.dat", s.Numbers, s.Guarantee, s.Id);
    return name;
}

std::string Text(const std::vector<TBlock>& blocks) {
    std::string text;
    for (const TBlock& b : blocks) {
        char line[32];
        std::snprintf(line, sizeof line, "%02d %02d %02d %02d %02d\r\n", b[0], b[1], b[2], b[3],
                      b[4]);
        text += line;
    }
    return text;
}

// Reads a system file of blank-separated positions; false (with the reason) for a line that
// is not five distinct positions of 1..k.
bool ReadSystem(const std::filesystem::path& file, int k, std::vector<TBlock>& blocks,
                std::string& error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot read";
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        TBlock b;
        int p = 0;
        while (b.size() < 5 && words >> p) b.push_back(p);
        std::sort(b.begin(), b.end());
        if (b.size() != 5 || b.front() < 1 || b.back() > k ||
            std::adjacent_find(b.begin(), b.end()) != b.end()) {
            error = "line " + std::to_string(number) + " is not five distinct positions of 1.." +
                    std::to_string(k);
            return false;
        }
        blocks.push_back(b);
    }
    return true;
}

// The smallest overlap the best combination has with any draw of 5 of the k numbers.
int WorstCase(int k, const std::vector<TBlock>& blocks) {
    int worst = 5;
    for (const TBlock& draw : AllFives(k)) {
        int best = 0;
        for (const TBlock& b : blocks) best = std::max(best, Overlap(b, draw));
        worst = std::min(worst, best);
    }
    return worst;
}

bool Check(const std::filesystem::path& dir) {
    bool ok = true;
    for (const TSystemSpec& s : kSystems) {
        const auto file = dir / FileName(s);
        std::vector<TBlock> blocks;
        std::string error;
        if (!ReadSystem(file, s.Numbers, blocks, error)) {
            std::cerr << file.string() << ": " << error << '\n';
            ok = false;
            continue;
        }
        const int worst = blocks.empty() ? 0 : WorstCase(s.Numbers, blocks);
        std::cout << FileName(s) << ": " << blocks.size() << " combinations, " << worst
                  << " if 5 guaranteed\n";
        if (worst < s.Guarantee) {
            std::cerr << file.string() << ": guarantees " << worst << " if 5, not " << s.Guarantee
                      << '\n';
            ok = false;
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "--check") return Check(args[1]) ? 0 : 1;
    if (args.size() != 1 || args[0].starts_with("-")) {
        std::cerr << "usage: make_systems OUTPUT_DIR | make_systems --check DIR\n";
        return 2;
    }
    const std::filesystem::path dir = args[0];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const TSystemSpec& s : kSystems) {
        const std::vector<TBlock> blocks =
            s.FullWheel ? AllFives(s.Numbers) : GreedyCovering(s.Numbers, s.Guarantee);
        std::ofstream out(dir / FileName(s), std::ios::binary | std::ios::trunc);
        out << Text(blocks);
        if (!out.flush()) {
            std::cerr << (dir / FileName(s)).string() << ": cannot write\n";
            return 1;
        }
    }
    return Check(dir) ? 0 : 1;
}
