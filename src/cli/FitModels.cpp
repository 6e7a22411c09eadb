#include "cli/FitModels.h"

#include "cli/ColumnsFile.h"
#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/Failures.h"
#include "cli/Output.h"
#include "cli/PairsFile.h"
#include "cli/Quantities.h"
#include "exchange/FitResultsCsv.h"
#include "fitting/ReplicateTable.h"
#include "scatchard/SaturationModels.h"

#include <cmath>
#include <map>

namespace cli {
namespace {

using namespace modStatistics;
using Fitting::FitResult;
using Fitting::ParameterEstimate;

constexpr int maxValues = 7; // X and six replicates

struct DataSet
{
    QString label;
    Fitting::ReplicateTable table;
};

QString number(double v)
{
    return std::isfinite(v) ? QString::fromStdString(NumberText(v)) : QString();
}

SaturationModel modelOf(const QString &key, const char *option)
{
    SaturationModel model = SaturationModel::OneSite;
    if (!ModelOfKey(key, model)) {
        QStringList keys;
        for (SaturationModel known : AllSaturationModels)
            keys << ModelKey(known);
        throw UsageError{QStringLiteral("option '--%1': unknown model '%2' (one of %3)")
                             .arg(QLatin1String(option), key, keys.join(QStringLiteral(", ")))};
    }
    return model;
}

Fitting::Weighting weightingOf(const Arguments &arguments)
{
    const QString name = arguments.value("weight");
    if (name.isEmpty() || name == QLatin1String("none"))
        return Fitting::Weighting::None;
    if (name == QLatin1String("relative"))
        return Fitting::Weighting::Relative;
    if (name == QLatin1String("poisson"))
        return Fitting::Weighting::Poisson;
    throw UsageError{QStringLiteral("option '--weight': unknown weighting '%1' (none, relative or poisson)").arg(name)};
}

bool freeBoundColumns(const Arguments &arguments)
{
    const QString columns = arguments.value("columns");
    if (columns.isEmpty() || columns == QLatin1String("bound,ratio"))
        return false;
    if (columns == QLatin1String("free,bound"))
        return true;
    throw UsageError{QStringLiteral("option '--columns': '%1' is not free,bound or bound,ratio").arg(columns)};
}

// The rows of a file as data sets: one per label of its "set" column, in
// the order they first appear, or one set without that column.
std::vector<DataSet> setsOf(const ColumnsReader::Result &read, const QString &path)
{
    std::vector<DataSet> sets;
    std::map<QString, size_t> index;
    for (const ColumnsReader::Row &row : read.rows) {
        if (row.values.empty() || std::isnan(row.values[0]))
            throw Refusal{QStringLiteral("%1, line %2: the X value is missing").arg(path).arg(row.line)};
        const auto found = index.find(row.label);
        size_t at = 0;
        if (found == index.end()) {
            at = sets.size();
            index.emplace(row.label, at);
            sets.push_back({row.label, {}});
        } else {
            at = found->second;
        }
        sets[at].table.x.push_back(row.values[0]);
        sets[at].table.y.emplace_back(row.values.begin() + 1, row.values.end());
    }
    return sets;
}

std::vector<DataSet> readSets(const QString &path, bool freeBound, bool &batch)
{
    if (!freeBound) {
        const Pairs pairs = ReadPairs(path);
        DataSet set;
        for (size_t i = 0; i < pairs.bound.size(); ++i) {
            set.table.x.push_back(pairs.bound[i] / pairs.ratio[i]);
            set.table.y.push_back({pairs.bound[i]});
        }
        batch = false;
        return {set};
    }
    const ColumnsReader::Result read = ReadColumns(path, maxValues);
    batch = read.labelIndex >= 0;
    return setsOf(read, path);
}

QString textOf(const SaturationModelFit &fit)
{
    QString out = QStringLiteral("Model:").leftJustified(28) + ModelName(fit.model) + QLatin1Char('\n');
    if (!fit.problem.isEmpty())
        return out + QStringLiteral("No result:").leftJustified(28) + fit.problem + QLatin1Char('\n');
    const FitResult &r = fit.result;
    for (const ParameterEstimate &p : r.parameters) {
        const QString unit = p.unit.isEmpty() ? QString() : QLatin1Char(' ') + p.unit;
        out += (p.name + QLatin1Char(':')).leftJustified(28) + number(p.value) + unit
               + (p.fixed ? QStringLiteral(" (fixed)") : QStringLiteral(" +/- ") + number(p.se)) + QLatin1Char('\n');
        if (p.fixed)
            continue;
        out += (QStringLiteral("  95% interval:")).leftJustified(28) + number(p.low) + QStringLiteral(" to ")
               + number(p.high) + QLatin1Char('\n');
        if (p.profile.computed)
            out += QStringLiteral("  profile 95% interval:").leftJustified(28)
                   + (p.profile.openBelow ? QStringLiteral("open") : number(p.profile.low)) + QStringLiteral(" to ")
                   + (p.profile.openAbove ? QStringLiteral("open") : number(p.profile.high)) + QLatin1Char('\n');
    }
    const std::pair<const char *, QString> lines[] = {
        {"Residual SD:", number(r.residualSD)},
        {"Residual sum of squares:", number(r.residualSS)},
        {"R squared:", number(r.rSquared)},
        {"AICc:", number(r.aicc)},
        {"Degrees of freedom (df):", QString::number(r.df)},
    };
    for (const auto &[label, value] : lines)
        out += QString::fromLatin1(label).leftJustified(28) + value + QLatin1Char('\n');
    return out;
}

QString jsonOf(const SaturationModelFit &fit)
{
    QString out = QStringLiteral("{\"model\":%1").arg(QString::fromStdString(JsonString(ModelKey(fit.model))));
    if (!fit.problem.isEmpty())
        return out + QStringLiteral(",\"problem\":") + QString::fromStdString(JsonString(fit.problem)) + '}';
    const FitResult &r = fit.result;
    QStringList parameters;
    const auto field = [](double v) { return std::isfinite(v) ? number(v) : QStringLiteral("null"); };
    for (const ParameterEstimate &p : r.parameters) {
        QString item = QStringLiteral(
                           "{\"name\":%1,\"value\":%2,\"fixed\":%3,\"se\":%4,\"low\":%5,\"high\":%6,\"unit\":%7")
                           .arg(QString::fromStdString(JsonString(p.name)), field(p.value),
                                p.fixed ? QStringLiteral("true") : QStringLiteral("false"), field(p.se), field(p.low),
                                field(p.high), QString::fromStdString(JsonString(p.unit)));
        if (p.profile.computed)
            item += QStringLiteral(",\"profileLow\":%1,\"profileHigh\":%2")
                        .arg(p.profile.openBelow ? QStringLiteral("null") : field(p.profile.low),
                             p.profile.openAbove ? QStringLiteral("null") : field(p.profile.high));
        parameters << item + QLatin1Char('}');
    }
    return out
           + QStringLiteral(",\"parameters\":[%1],\"residualSD\":%2,\"residualSS\":%3,\"rSquared\":%4,\"aicc\":%5,"
                            "\"df\":%6}")
                 .arg(parameters.join(QLatin1Char(',')), field(r.residualSD), field(r.residualSS), field(r.rSquared),
                      field(r.aicc))
                 .arg(r.df);
}

// One set's fit and the comparison asked for.
struct SetFit
{
    SaturationModelFit fit, compared;
    bool comparing = false;
    QString verdict;
};

class Fitter
{
public:
    explicit Fitter(const Arguments &arguments)
        : m_model(modelOf(arguments.value("model").isEmpty() ? QStringLiteral("one-site") : arguments.value("model"),
                          "model"))
    {
        m_options.weighting = weightingOf(arguments);
        const QString compare = arguments.value("compare");
        m_comparing = !compare.isEmpty();
        if (m_comparing)
            m_compared = modelOf(compare, "compare");
        m_unit = UnitOf(arguments).name;
    }

    void setProfiles(bool profiles) { m_options.profileIntervals = profiles; }

    SetFit fit(const Fitting::ReplicateTable &binding, const Fitting::ReplicateTable *nonspecific, double sites) const
    {
        SaturationData data;
        data.binding = Fitting::IndividualPoints(binding);
        if (nonspecific)
            data.nonspecific = Fitting::IndividualPoints(*nonspecific);
        data.sites = sites;
        data.xUnit = data.yUnit = m_unit;
        SetFit result;
        result.fit = FitSaturationModel(m_model, data, m_options);
        if (m_comparing) {
            result.comparing = true;
            result.compared = FitSaturationModel(m_compared, data, m_options);
            result.verdict = CompareSaturationFits(result.fit, result.compared).sentence;
        }
        return result;
    }

private:
    SaturationModel m_model, m_compared = SaturationModel::OneSite;
    bool m_comparing = false;
    Fitting::FitOptions m_options;
    QString m_unit;
};

double sitesOf(const Arguments &arguments)
{
    const QString text = arguments.value("sites");
    if (text.isEmpty())
        return 0;
    const double sites = PlainNumber(text, QStringLiteral("--sites"));
    if (!(sites > 0))
        throw Refusal{QStringLiteral("--sites: the binding-site concentration must be greater than zero")};
    return sites;
}

QString singleOutput(const SetFit &result, Format format)
{
    switch (format) {
    case Format::Text: {
        QString out = textOf(result.fit);
        if (result.comparing)
            out += QLatin1Char('\n') + textOf(result.compared) + QLatin1Char('\n') + result.verdict + QLatin1Char('\n');
        return out;
    }
    case Format::Csv: {
        if (!result.comparing)
            return QString::fromStdString(FitResultsCsv::ParameterRows(result.fit.result));
        QString out;
        for (const SaturationModelFit *fit : {&result.fit, &result.compared}) {
            out += QStringLiteral("# ") + ModelName(fit->model) + QStringLiteral("\r\n");
            out += fit->problem.isEmpty() ? QString::fromStdString(FitResultsCsv::ParameterRows(fit->result))
                                          : QStringLiteral("# ") + fit->problem + QStringLiteral("\r\n");
        }
        return out + QStringLiteral("# ") + result.verdict + QStringLiteral("\r\n");
    }
    case Format::Json:
        if (!result.comparing)
            return jsonOf(result.fit) + QLatin1Char('\n');
        return QStringLiteral("{\"fit\":%1,\"compared\":%2,\"verdict\":%3}\n")
            .arg(jsonOf(result.fit), jsonOf(result.compared), QString::fromStdString(JsonString(result.verdict)));
    }
    return QString();
}

// The batch's CSV: a row per set with each parameter's value, SE, low and high.
class BatchWriter
{
public:
    BatchWriter(OutputStream &out, Format format, bool header)
        : m_out(out)
        , m_format(format)
        , m_header(header)
    {
    }

    void row(const QString &label, const SetFit &result)
    {
        const SaturationModelFit &fit = result.fit;
        if (m_format == Format::Json) {
            m_out.write((m_rows++ == 0 ? "[" : ",\n"));
            QString item =
                QStringLiteral("{\"set\":%1,\"fit\":%2").arg(QString::fromStdString(JsonString(label)), jsonOf(fit));
            if (result.comparing)
                item += QStringLiteral(",\"compared\":%1,\"verdict\":%2")
                            .arg(jsonOf(result.compared), QString::fromStdString(JsonString(result.verdict)));
            m_out.write((item + QLatin1Char('}')).toStdString());
            return;
        }
        if (m_rows++ == 0) {
            const QString header = headerOf(fit, result.comparing);
            if (m_header)
                m_out.write(header.toStdString());
        }
        QStringList fields{csvField(label)};
        const bool fitted = fit.result.outcome == FitResult::Fitted;
        for (size_t p = 0; p < m_parameters; ++p) {
            const ParameterEstimate *e = fitted && p < fit.result.parameters.size() ? &fit.result.parameters[p]
                                                                                    : nullptr;
            fields << (e ? number(e->value) : QString()) << (e && !e->fixed ? number(e->se) : QString())
                   << (e && !e->fixed ? number(e->low) : QString()) << (e && !e->fixed ? number(e->high) : QString());
        }
        const FitResult &r = fit.result;
        fields << (fitted ? number(r.residualSD) : QString()) << (fitted ? number(r.residualSS) : QString())
               << (fitted ? number(r.rSquared) : QString()) << (fitted ? number(r.aicc) : QString())
               << (fitted ? QString::number(r.df) : QString()) << csvField(fit.problem);
        if (result.comparing)
            fields << csvField(result.verdict);
        m_out.write((fields.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toStdString());
    }

    void finish()
    {
        if (m_format == Format::Json)
            m_out.write(m_rows == 0 ? "[]\n" : "]\n");
    }

private:
    static QString csvField(const QString &text)
    {
        if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
            return text;
        return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    }

    // The header row; it also fixes the parameter columns of every row.
    QString headerOf(const SaturationModelFit &fit, bool comparing)
    {
        QStringList fields{QStringLiteral("set")};
        const std::vector<Fitting::FitParameter> parameters = fit.curve ? fit.curve->parameters()
                                                                        : std::vector<Fitting::FitParameter>();
        m_parameters = parameters.size();
        for (const Fitting::FitParameter &p : parameters)
            fields << p.name << QStringLiteral("SE(") + p.name + QLatin1Char(')') << p.name + QStringLiteral(" low")
                   << p.name + QStringLiteral(" high");
        fields << QStringLiteral("Residual SD") << QStringLiteral("Residual SS") << QStringLiteral("R squared")
               << QStringLiteral("AICc") << QStringLiteral("df") << QStringLiteral("Note");
        if (comparing)
            fields << QStringLiteral("Comparison");
        return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }

    OutputStream &m_out;
    Format m_format;
    bool m_header;
    long long m_rows = 0;
    size_t m_parameters = 0;
};

} // namespace

bool WantsModelFit(const Arguments &arguments)
{
    return arguments.has("model") || arguments.has("weight") || arguments.has("nonspecific") || arguments.has("columns")
           || arguments.has("sites") || !arguments.value("compare").isEmpty();
}

void RunModelFit(const Arguments &arguments)
{
    const Format format = FormatOf(arguments, Format::Text);
    const bool freeBound = freeBoundColumns(arguments);
    Fitter fitter(arguments);
    const double sites = sitesOf(arguments);
    bool batch = false;
    const QString path = arguments.operands().first();
    const std::vector<DataSet> sets = readSets(path, freeBound, batch);
    std::vector<DataSet> nonspecific;
    bool nonspecificBatch = false;
    if (arguments.has("nonspecific"))
        nonspecific = readSets(arguments.value("nonspecific"), freeBound, nonspecificBatch);
    const auto nonspecificOf = [&](const QString &label) -> const Fitting::ReplicateTable * {
        for (const DataSet &set : nonspecific)
            if (!nonspecificBatch || set.label == label)
                return &set.table;
        return nullptr;
    };

    OutputStream out(arguments.value("output"));
    if (!batch) {
        const SetFit result = fitter.fit(sets.front().table, nonspecificOf(QString()), sites);
        if (!result.fit.problem.isEmpty() && !result.comparing)
            throw Refusal{result.fit.problem};
        if (result.fit.problem.isEmpty())
            for (const QString &warning : SaturationWarnings(result.fit))
                Warn(QStringLiteral("fit: ") + warning);
        out.write(singleOutput(result, format).toStdString());
    } else {
        // A batch gives the asymptotic intervals: thousands of sets in one run.
        fitter.setProfiles(false);
        BatchWriter writer(out, format, !arguments.has("no-header"));
        for (const DataSet &set : sets)
            writer.row(set.label, fitter.fit(set.table, nonspecificOf(set.label), sites));
        writer.finish();
    }
    out.commit();
}

} // namespace cli
