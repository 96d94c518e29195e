#include "KCfgTextForm.h"

#include <cstring>
#include <memory>
#include <vector>

#include "KCfgLimits.h"
#include "KCfgNode.h"

namespace {

// Indentation is one tab per level, at most as many as a 1,024-byte work area holds.
constexpr int kIndentLimit = 1023;

void WriteIndent(FILE* f, int depth) {
    static const char kTabs[] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
    constexpr int kChunk = sizeof(kTabs) - 1;
    for (int left = depth < kIndentLimit ? depth : kIndentLimit; left > 0; left -= kChunk) {
        fwrite(kTabs, 1, static_cast<size_t>(left < kChunk ? left : kChunk), f);
    }
}

void WriteNode(FILE* f, const KCfgNode& node, int depth) {
    WriteIndent(f, depth);
    const char* marker = node.ChildCount() > 0 ? "{" : "=";
    if (node.Value().Length() == 0) {
        fprintf(f, "%s %s \n", node.Name().Text(), marker);
    } else {
        fprintf(f, "%s %s '%s'\n", node.Name().Text(), marker, node.Value().Text());
    }
    if (node.ChildCount() == 0) {
        return;
    }
    for (int i = 0; i < node.ChildCount(); ++i) {
        WriteNode(f, *node.Child(i), depth + 1);
    }
    WriteIndent(f, depth);
    fputs("}\n", f);
}

// Bytes that end a line where the reader looks: a line end, and CTRL+Z, which ends the file on
// Windows' text-mode reads.
constexpr char kLineEnders[] = "\n\x1a";

// Whether the reader takes name back as it is: one token up to a space, after the indentation
// (spaces and tabs), that doesn't close a list and stays on its line.
bool NameReadsBack(const KStr& name) {
    const char* text = name.Text();
    return text[0] != '\0' && text[0] != '\t' && text[0] != '}' &&
           std::strchr(text, ' ') == nullptr && std::strpbrk(text, kLineEnders) == nullptr;
}

bool NodeFits(const KCfgNode& node, int depth) {
    if (depth > kCfgMaxDepth || !NameReadsBack(node.Name()) ||
        std::strpbrk(node.Value().Text(), kLineEnders) != nullptr) {
        return false;
    }
    int valueChars = node.Value().Length() > 0 ? node.Value().Length() + 2 : 0;
    if (depth + node.Name().Length() + 3 + valueChars > kCfgTextLineChars) {
        return false;
    }
    for (int i = 0; i < node.ChildCount(); ++i) {
        if (!NodeFits(*node.Child(i), depth + 1)) {
            return false;
        }
    }
    return true;  // a closing line holds depth tabs and "}", shorter than the opening one
}

enum class LineRead { kLine, kEnd, kTooLong };

// One line into buf. A line longer than kCfgTextLineChars is reported, not split: reading its
// rest as a line of its own would make nodes out of the middle of a value.
LineRead ReadLine(FILE* f, char (&buf)[kCfgTextLineChars + 1]) {
    // Pre-filled without line ends, so a line end found afterwards was read just now, even
    // behind a zero byte in the line.
    memset(buf, 1, sizeof buf);
    if (fgets(buf, sizeof buf, f) == nullptr) {
        return LineRead::kEnd;
    }
    if (memchr(buf, '\n', sizeof buf) != nullptr || feof(f)) {
        return LineRead::kLine;
    }
    int next = fgetc(f);  // the buffer is full: only a line end or the file end may follow
    return next == '\n' || next == EOF ? LineRead::kLine : LineRead::kTooLong;
}

struct TextLine {
    const char* name;
    const char* marker;
    const char* value;
};

bool BelowPrintable(char c) {
    return static_cast<signed char>(c) < 33;
}

// Splits a line in place into name, marker and value. False for a blank line.
bool SplitLine(char* line, TextLine& out) {
    char* p = line + strspn(line, " \t");
    // Trailing bytes below 33 as signed chars go: control characters, spaces, line ends and
    // also bytes 128 to 255. A line that holds nothing else is blank.
    size_t length = strlen(p);
    while (length > 0 && BelowPrintable(p[length - 1])) {
        p[--length] = '\0';
    }
    if (length == 0) {
        return false;
    }
    out.name = p;
    p += strcspn(p, " ");
    if (*p != '\0') {
        *p++ = '\0';
    }
    p += strspn(p, " ");
    out.marker = p;
    p += strcspn(p, " ");
    if (*p != '\0') {
        *p++ = '\0';
    }
    // The rest of the line is the value, without the quotes the writer puts around it.
    if (*p == '\'') {
        ++p;
    }
    size_t valueLength = strlen(p);
    if (valueLength >= 2 && p[valueLength - 1] == '\'') {
        p[valueLength - 1] = '\0';
    }
    out.value = p;
    return true;
}

}  // namespace

bool CfgTextFits(const KCfgNode& root) {
    return NodeFits(root, 0);
}

bool WriteCfgText(FILE* f, const KCfgNode& root) {
    WriteNode(f, root, 0);
    return ferror(f) == 0;
}

// Reads the first node of the file and, when it opens a list, its children up to the matching
// closing line; what follows that line is not read. The file may end before the closing lines:
// the lists still open end there. Blank lines are skipped, and a line without a marker is a
// leaf. Lines too long, nesting too deep or a read error fail the whole read.
KCfgNode* ReadCfgText(FILE* f) {
    std::unique_ptr<KCfgNode> root;
    std::vector<KCfgNode*> open;  // nodes whose child lists are being read, innermost last
    char line[kCfgTextLineChars + 1];
    for (;;) {
        LineRead read = ReadLine(f, line);
        if (read == LineRead::kEnd) {
            break;
        }
        if (read == LineRead::kTooLong) {
            return nullptr;
        }
        TextLine parts;
        if (!SplitLine(line, parts)) {
            continue;
        }
        if (parts.name[0] == '}') {
            if (open.empty()) {
                return nullptr;  // a closing line where the root belongs
            }
            open.pop_back();
            if (open.empty()) {
                break;
            }
            continue;
        }
        if (static_cast<int>(open.size()) > kCfgMaxDepth) {
            return nullptr;
        }
        KCfgNode* node = new KCfgNode(parts.name, parts.value);
        if (root == nullptr) {
            root.reset(node);
        } else {
            open.back()->AppendChild(node);
        }
        if (parts.marker[0] == '{') {
            open.push_back(node);
        } else if (open.empty()) {
            break;  // the root is a leaf
        }
    }
    if (ferror(f) != 0) {
        return nullptr;
    }
    return root.release();
}
