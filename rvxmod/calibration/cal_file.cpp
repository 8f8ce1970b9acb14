#include "rvxmod/calibration/cal_file.h"

#include <array>
#include <optional>

#include "common/fixed_text.h"
#include "common/number_parse.h"
#include "common/text_catalogue.h"
#include "common/text_file.h"

namespace rvxmod {
namespace {

constexpr const char* kContext = "rvxmod::CalFile";
constexpr std::size_t kHeaderLines = 4;
constexpr std::size_t kOrderLine = 2;  // zero-based: the third line
constexpr int kDefaultOrder = 4;

rvx::Error lineError(std::string_view fileName, std::size_t lineIndex, const char* what) {
    return rvx::fail(std::string(fileName) + rvx::trText(kContext, ", line ") +
                     std::to_string(lineIndex + 1) + ": " + rvx::trText(kContext, what));
}

// Splits a point line into exactly N numbers separated by commas.
template <std::size_t N>
rvx::Result<std::array<double, N>> parsePointLine(std::string_view line, std::string_view fileName,
                                                  std::size_t lineIndex) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t comma = line.find(',');
        const bool last = i + 1 == N;
        if (!last && comma == std::string_view::npos)
            return lineError(fileName, lineIndex, "too few fields on the line");
        const std::optional<double> value = rvx::parseDouble(last ? line : line.substr(0, comma));
        if (!value) return lineError(fileName, lineIndex, "a field is not a number");
        values[i] = *value;
        if (!last) line.remove_prefix(comma + 1);
    }
    return values;
}

// A field "label:order"; no colon, or no integer after it, gives the default order.
int parseOrder(std::string_view field) {
    const std::size_t colon = field.find(':');
    if (colon == std::string_view::npos) return kDefaultOrder;
    return rvx::parseInteger<int>(field.substr(colon + 1)).value_or(kDefaultOrder);
}

// The order line is split at its first three commas; a missing field keeps the default order.
PolynomialOrders parseOrderLine(std::string_view line) {
    std::array<int, 4> orders{kDefaultOrder, kDefaultOrder, kDefaultOrder, kDefaultOrder};
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const std::size_t comma = i + 1 < orders.size() ? line.find(',') : std::string_view::npos;
        orders[i] = parseOrder(line.substr(0, comma));
        if (comma == std::string_view::npos) break;
        line.remove_prefix(comma + 1);
    }
    return {orders[0], orders[1], orders[2], orders[3]};
}

template <class File>
rvx::Result<File> readWith(rvx::Result<File> (*parse)(std::string_view, std::string_view),
                           const std::filesystem::path& path) {
    const rvx::Result<std::string> text = rvx::readTextFile(path);
    if (!text) return text.error();
    return parse(*text, path.string());
}

}  // namespace

rvx::Result<DatFile> parseDatText(std::string_view text, std::string_view fileName) {
    const std::vector<std::string_view> lines = rvx::splitLines(text);
    DatFile file;
    if (!lines.empty()) file.identityLine = std::string(lines.front());
    if (lines.size() > kOrderLine) file.orders = parseOrderLine(lines[kOrderLine]);
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
        const auto values = parsePointLine<4>(lines[i], fileName, i);
        if (!values) return values.error();
        const auto& [p, t, x, y] = values.value();
        file.points.push_back({p, t, x, y});
    }
    return file;
}

rvx::Result<TdatFile> parseTdatText(std::string_view text, std::string_view fileName) {
    const std::vector<std::string_view> lines = rvx::splitLines(text);
    TdatFile file;
    if (!lines.empty()) file.identityLine = std::string(lines.front());
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
        const auto values = parsePointLine<2>(lines[i], fileName, i);
        if (!values) return values.error();
        file.points.push_back({values.value()[0], values.value()[1]});
    }
    return file;
}

rvx::Result<DatFile> readDatFile(const std::filesystem::path& path) {
    return readWith(&parseDatText, path);
}

rvx::Result<TdatFile> readTdatFile(const std::filesystem::path& path) {
    return readWith(&parseTdatText, path);
}

}  // namespace rvxmod
