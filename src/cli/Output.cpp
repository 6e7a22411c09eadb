#include "cli/Output.h"

#include "cli/Failures.h"
#include "platform/Messages.h"

#include "platform/SavedFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace cli {

Format ParseFormat(const QString &name)
{
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("json"))
        return Format::Json;
    if (name == QLatin1String("text"))
        return Format::Text;
    throw UsageError{QStringLiteral("unknown format %1 (csv, json or text)").arg(Messages::quoted(name))};
}

std::string NumberText(double v)
{
    // The last guard: no "inf" or "nan" in a table, no invalid JSON.
    if (!std::isfinite(v))
        throw Refusal{QStringLiteral("a result is out of range in the unit of the output")};
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, v);
    return std::string(digits, result.ptr);
}

std::string JsonString(const QString &text)
{
    std::string out = "\"";
    for (unsigned char c : text.toStdString()) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += char(c);
        }
    }
    return out + '"';
}

namespace {

constexpr std::size_t BufferSize = 1 << 16;

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

OutputStream::OutputStream(const QString &path)
{
    if (path.isEmpty() || path == QLatin1String("-"))
        return;
    m_path = path;
    m_file = std::make_unique<SavedFile>(path);
    if (!m_file->open())
        throw Refusal{QStringLiteral("cannot write '%1': %2").arg(path, m_file->failure())};
    m_buffer.reserve(BufferSize);
}

OutputStream::~OutputStream()
{
    // A run that ended before commit() leaves no file; on standard output
    // what was written stays written.
    if (!m_file && !m_buffer.empty()) {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout);
        std::fflush(stdout);
    }
}

void OutputStream::write(std::string_view text)
{
    m_buffer.append(text);
    if (m_buffer.size() >= BufferSize)
        flush();
}

void OutputStream::flush()
{
    if (m_buffer.empty())
        return;
    if (m_file) {
        if (m_file->write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
            throw Refusal{QStringLiteral("cannot write '%1': %2").arg(m_path, m_file->failure())};
    } else if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout) != m_buffer.size()) {
        m_buffer.clear();
        throw Refusal{QStringLiteral("cannot write to standard output")};
    }
    m_buffer.clear();
}

void OutputStream::commit()
{
    flush();
    if (!m_file) {
        // A full disk behind a redirection is a failure, not a success.
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            throw Refusal{QStringLiteral("cannot write to standard output")};
        return;
    }
    const QString failure = m_file->commit();
    m_file.reset();
    if (!failure.isEmpty())
        throw Refusal{QStringLiteral("cannot write '%1': %2").arg(m_path, failure)};
}

TableWriter::TableWriter(OutputStream &out, Format format, const QStringList &headers, bool header, bool single)
    : m_out(out)
    , m_format(format)
    , m_single(single)
{
    // Wide enough for any number: "-2.2250738585072014e-308" has 24 characters.
    for (const QString &h : headers) {
        m_headers.push_back(h.toStdString());
        m_widths.push_back(std::max(int(h.size()), 24));
    }
    if (!header)
        return;
    std::string line;
    for (std::size_t i = 0; i < m_headers.size(); ++i) {
        if (m_format == Format::Csv)
            line += (i ? "," : "") + csvField(m_headers[i]);
        else if (m_format == Format::Text)
            line += (i ? "  " : "") + QString::fromStdString(m_headers[i]).leftJustified(m_widths[i]).toStdString();
    }
    if (m_format != Format::Json)
        m_out.write(line.erase(line.find_last_not_of(' ') + 1) + '\n');
}

void TableWriter::row(const std::vector<double> &values)
{
    std::string line;
    if (m_format == Format::Json) {
        line = m_single ? "{" : (m_rows ? ",\n{" : "[\n{");
        for (std::size_t i = 0; i < values.size(); ++i)
            line += (i ? "," : "") + JsonString(QString::fromStdString(m_headers[i])) + ':' + NumberText(values[i]);
        line += '}';
    } else {
        for (std::size_t i = 0; i < values.size(); ++i) {
            const std::string number = NumberText(values[i]);
            if (m_format == Format::Csv) {
                line += (i ? "," : "") + number;
            } else {
                line += i ? "  " : "";
                line += number;
                if (i + 1 < values.size())
                    line.append(std::size_t(std::max(0, m_widths[i] - int(number.size()))), ' ');
            }
        }
        line += '\n';
    }
    m_out.write(line);
    ++m_rows;
}

void TableWriter::finish()
{
    if (m_format != Format::Json)
        return;
    if (m_single)
        m_out.write(m_rows ? "\n" : "{}\n");
    else
        m_out.write(m_rows ? "\n]\n" : "[]\n");
}

} // namespace cli
