#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class SavedFile;

// What vornish-cli writes: numbers in their shortest form that reads back
// to the same double, with "." whatever the locale; tables as CSV, JSON or
// aligned text; standard output or a file that appears only when complete.
namespace cli {

enum class Format { Csv, Json, Text };

// "csv", "json" or "text"; throws UsageError for others.
Format ParseFormat(const QString &name);

// The shortest text that reads back to v ("0.1", "1e-09", "2.5"). Throws
// Refusal for a value that is not finite.
std::string NumberText(double v);

// Standard output (path empty or "-") or a file. A file is written beside
// its destination and takes its place at commit(), so a refused or failed
// run leaves no partial file. Output is buffered: memory stays flat however
// much is written.
class OutputStream
{
public:
    explicit OutputStream(const QString &path = QString());
    ~OutputStream();
    OutputStream(const OutputStream &) = delete;
    OutputStream &operator=(const OutputStream &) = delete;

    void write(std::string_view text);
    // Throws Refusal when the file cannot be written.
    void commit();

private:
    void flush();

    std::string m_buffer;
    std::unique_ptr<SavedFile> m_file;
    QString m_path;
};

// Rows of numbers under column headers ("A (nM)"). CSV: a header line
// (unless left out) and one line a row. JSON: an array of objects keyed by
// the headers, or one object when single. Text: aligned columns.
class TableWriter
{
public:
    TableWriter(OutputStream &out, Format format, const QStringList &headers, bool header = true, bool single = false);
    void row(const std::vector<double> &values);
    // Ends the table (the closing bracket of JSON).
    void finish();

private:
    OutputStream &m_out;
    Format m_format;
    std::vector<std::string> m_headers;
    std::vector<int> m_widths;
    bool m_single;
    long long m_rows = 0;
};

// A text as a JSON string literal, quotes included.
std::string JsonString(const QString &text);

} // namespace cli
