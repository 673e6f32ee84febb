#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corlinth {

// Read access to a document's lines, one at a time. The editor's operations look only at the
// lines around the caret, so the window lets them read its text in place instead of copying
// every line of a large document first.
class LineSource {
  public:
    virtual ~LineSource() = default;
    // A text always has at least one line, if only an empty one.
    virtual std::size_t lineCount() const = 0;
    virtual std::string line(std::size_t index) const = 0;
};

class VectorLines : public LineSource {
  public:
    explicit VectorLines(const std::vector<std::string>& lines) : m_lines(lines) {}
    std::size_t lineCount() const override { return m_lines.empty() ? 1 : m_lines.size(); }
    std::string line(std::size_t index) const override {
        return index < m_lines.size() ? m_lines[index] : std::string();
    }

  private:
    const std::vector<std::string>& m_lines;
};

}  // namespace corlinth
