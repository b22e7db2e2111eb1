#include "extra/helpcheck.h"

#include <algorithm>
#include <array>

namespace tarvelle {

namespace {

constexpr size_t MaxTables = 64;
constexpr size_t MaxCells = 20000;
constexpr int MaxColumns = 64; // cells of one row, spans counted
constexpr int MaxSpan = 64;
constexpr long MaxPixels = 4000;
constexpr long MaxSpacing = 64;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

template <size_t N> bool oneOf(std::string_view name, const std::array<std::string_view, N>& list)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

constexpr std::array<std::string_view, 4> kVoid{"br", "hr", "img", "meta"};
// Elements HTML lets stay open; the next sibling or the parent's end closes them.
constexpr std::array<std::string_view, 14> kOptionalEnd{
    "p", "li", "dt", "dd", "tr", "td", "th", "thead", "tbody", "tfoot", "html", "head", "body", "caption"};
constexpr std::array<std::string_view, 28> kContainers{
    "title", "h1",   "h2",     "h3",     "h4",         "h5",  "h6",  "b",  "i",    "u",
    "s",     "em",   "strong", "small",  "big",        "sub", "sup", "tt", "code", "pre",
    "font",  "span", "div",    "center", "blockquote", "ul",  "ol",  "dl"};
constexpr std::array<std::string_view, 2> kMore{"table", "a"};

bool known(std::string_view n)
{
    return oneOf(n, kVoid) || oneOf(n, kOptionalEnd) || oneOf(n, kContainers) || oneOf(n, kMore);
}

// Which open elements a new one closes on its way in (HTML's implied ends, the common cases).
bool closesOnOpen(std::string_view opening, std::string_view open)
{
    if (opening == "p")
        return open == "p";
    if (opening == "li")
        return open == "li" || open == "p";
    if (opening == "dt" || opening == "dd")
        return open == "dt" || open == "dd" || open == "p";
    if (opening == "td" || opening == "th")
        return open == "td" || open == "th" || open == "p";
    if (opening == "tr")
        return open == "tr" || open == "td" || open == "th" || open == "p";
    if (opening == "thead" || opening == "tbody" || opening == "tfoot")
        return oneOf(open, kOptionalEnd) && open != "html" && open != "head" && open != "body";
    return false;
}

// A size attribute: digits, optionally followed by "%" or "px". Returns false when too large.
bool saneNumber(std::string_view v, long limit)
{
    size_t i = 0;
    while (i < v.size() && (isSpace(v[i]) || v[i] == '+' || v[i] == '-'))
        ++i;
    long n = 0;
    size_t digits = 0;
    for (; i < v.size() && isDigit(v[i]); ++i, ++digits) {
        if (digits >= 9)
            return false;
        n = n * 10 + (v[i] - '0');
    }
    if (i < v.size() && v[i] == '%')
        return n <= 100;
    return n <= limit;
}

// A picture the page may show: a plain file name beside the program, or the game's own resources.
bool acceptableImage(std::string_view src, std::vector<std::string>& images)
{
    if (src.rfind("qrc:/", 0) == 0 || src.rfind(":/", 0) == 0)
        return src.find("..") == std::string_view::npos;
    if (src.empty() || src.size() > 100 || src.front() == '.')
        return false;
    for (char c : src) {
        if (!(isLetter(c) || isDigit(c) || c == '.' || c == '_' || c == '-'))
            return false;
    }
    images.emplace_back(src);
    return true;
}

class Checker {
public:
    explicit Checker(std::string_view html) : m_html(html) {}

    HelpPageCheck run()
    {
        if (m_html.size() > MaxHelpPageBytes)
            return refuse("larger than " + std::to_string(MaxHelpPageBytes) + " bytes");
        size_t i = 0;
        while (i < m_html.size() && m_result.problem.empty()) {
            const char c = m_html[i];
            if (c == '\0')
                return refuse("a NUL byte in the text");
            if (c != '<') {
                ++i;
                continue;
            }
            const std::string_view rest = m_html.substr(i);
            if (rest.rfind("<!--", 0) == 0) {
                const size_t end = m_html.find("-->", i + 4);
                if (end == std::string_view::npos)
                    return refuse("a comment is never closed");
                i = end + 3;
            } else if (rest.rfind("<!", 0) == 0 || rest.rfind("<?", 0) == 0) {
                const size_t end = m_html.find('>', i);
                if (end == std::string_view::npos)
                    return refuse("a declaration is never closed");
                i = end + 1;
            } else if (rest.size() > 2 && rest[1] == '/' && isLetter(rest[2])) {
                i = endTag(i + 2);
            } else if (rest.size() > 1 && isLetter(rest[1])) {
                i = startTag(i + 1);
            } else {
                ++i; // a lone '<' is text
            }
        }
        if (!m_result.problem.empty())
            return m_result;
        for (const std::string& open : m_stack) {
            if (!oneOf(std::string_view(open), kOptionalEnd))
                return refuse("<" + open + "> is never closed");
        }
        m_result.ok = true;
        return m_result;
    }

private:
    HelpPageCheck refuse(std::string why)
    {
        m_result.ok = false;
        m_result.problem = std::move(why);
        m_result.images.clear();
        return m_result;
    }

    size_t fail(std::string why)
    {
        refuse(std::move(why));
        return m_html.size();
    }

    size_t readName(size_t i, std::string& name) const
    {
        name.clear();
        while (i < m_html.size() && (isLetter(m_html[i]) || isDigit(m_html[i])) && name.size() < 16)
            name += lower(m_html[i++]);
        return i;
    }

    int tableDepth() const { return int(std::count(m_stack.begin(), m_stack.end(), "table")); }

    size_t endTag(size_t i)
    {
        std::string name;
        i = readName(i, name);
        const size_t close = m_html.find('>', i);
        if (close == std::string_view::npos)
            return fail("</" + name + "> is never finished");
        if (!known(name))
            return fail("unknown element </" + name + ">");
        if (oneOf(std::string_view(name), kVoid))
            return close + 1;
        auto at = std::find(m_stack.rbegin(), m_stack.rend(), name);
        if (at == m_stack.rend()) {
            if (oneOf(std::string_view(name), kOptionalEnd))
                return close + 1; // a stray </p> changes nothing
            return fail("</" + name + "> closes nothing");
        }
        for (auto it = m_stack.rbegin(); it != at; ++it) {
            if (!oneOf(std::string_view(*it), kOptionalEnd))
                return fail("</" + name + "> crosses <" + *it + ">");
        }
        const bool table = name == "table";
        m_stack.erase(std::prev(at.base()), m_stack.end());
        if (table)
            m_rowColumns.pop_back();
        return close + 1;
    }

    size_t startTag(size_t i)
    {
        std::string name;
        i = readName(i, name);
        if (!known(name))
            return fail("unknown element <" + name + ">");
        // Attributes.
        std::string attr;
        int span = 1;
        while (true) {
            while (i < m_html.size() && isSpace(m_html[i]))
                ++i;
            if (i >= m_html.size())
                return fail("<" + name + "> is never finished");
            if (m_html[i] == '>') {
                ++i;
                break;
            }
            if (m_html[i] == '/' && i + 1 < m_html.size() && m_html[i + 1] == '>') {
                i += 2;
                break;
            }
            attr.clear();
            while (i < m_html.size() && !isSpace(m_html[i]) && m_html[i] != '=' && m_html[i] != '>' &&
                   !(m_html[i] == '/' && i + 1 < m_html.size() && m_html[i + 1] == '>')) {
                if (attr.size() < 32)
                    attr += lower(m_html[i]);
                ++i;
            }
            while (i < m_html.size() && isSpace(m_html[i]))
                ++i;
            std::string_view value;
            if (i < m_html.size() && m_html[i] == '=') {
                ++i;
                while (i < m_html.size() && isSpace(m_html[i]))
                    ++i;
                if (i < m_html.size() && (m_html[i] == '"' || m_html[i] == '\'')) {
                    const size_t end = m_html.find(m_html[i], i + 1);
                    if (end == std::string_view::npos)
                        return fail("an attribute of <" + name + "> is never closed");
                    value = m_html.substr(i + 1, end - i - 1);
                    i = end + 1;
                } else {
                    const size_t start = i;
                    while (i < m_html.size() && !isSpace(m_html[i]) && m_html[i] != '>')
                        ++i;
                    value = m_html.substr(start, i - start);
                }
            }
            if (attr.empty()) {
                ++i; // a stray character such as a lone '='
                continue;
            }
            if (attr == "style")
                return fail("style attributes are not taken");
            if ((attr == "width" || attr == "height") && !saneNumber(value, MaxPixels))
                return fail("<" + name + "> is too large");
            if ((attr == "border" || attr == "cellpadding" || attr == "cellspacing" || attr == "hspace" ||
                 attr == "vspace" || attr == "size") &&
                !saneNumber(value, MaxSpacing))
                return fail("<" + name + "> has an outsized " + attr);
            if (attr == "colspan" || attr == "rowspan") {
                if (!saneNumber(value, MaxSpan))
                    return fail("<" + name + "> spans too far");
                if (attr == "colspan" && !value.empty() && isDigit(value.front()))
                    span = std::max(1, std::stoi(std::string(value.substr(0, 2))));
            }
            if (name == "img" && attr == "src" && !acceptableImage(value, m_result.images))
                return fail("a picture that is not a file beside the program");
        }

        // Implied ends, then the element itself.
        while (!m_stack.empty() && closesOnOpen(name, m_stack.back()))
            m_stack.pop_back();
        if (name == "td" || name == "th" || name == "tr") {
            if (m_rowColumns.empty())
                return fail("<" + name + "> outside a table");
            if (name == "tr") {
                m_rowColumns.back() = 0;
            } else {
                m_rowColumns.back() += span;
                if (m_rowColumns.back() > MaxColumns)
                    return fail("a table row with too many cells");
                if (++m_cells > MaxCells)
                    return fail("too many table cells");
            }
        }
        if (oneOf(std::string_view(name), kVoid))
            return i;
        if (name == "table") {
            if (++m_tables > MaxTables)
                return fail("too many tables");
            if (tableDepth() >= MaxHelpTableNesting)
                return fail("tables nested too deep");
            m_rowColumns.push_back(0);
        }
        m_stack.push_back(name);
        if (int(m_stack.size()) > MaxHelpNesting)
            return fail("elements nested too deep");
        return i;
    }

    std::string_view m_html;
    HelpPageCheck m_result;
    std::vector<std::string> m_stack;
    std::vector<int> m_rowColumns; // cells so far in the current row of each open table
    size_t m_tables = 0;
    size_t m_cells = 0;
};

} // namespace

HelpPageCheck checkHelpPage(std::string_view html)
{
    return Checker(html).run();
}

} // namespace tarvelle
