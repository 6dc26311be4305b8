// The drawing's words: what each refusal and caption says, in Japanese and in
// the English translation.
#include "calendar/daterange.h"
#include "plot/words.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace veltaro::plot {
namespace {

/// The numbers a text names, smallest first ("01" and "1" alike).
std::vector<int> numbersIn(const QString& text) {
    std::vector<int> numbers;
    for (const auto& m : QRegularExpression(u"\\d+"_s).globalMatch(text)) {
        numbers.push_back(m.captured().toInt());
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool hasJapanese(const QString& text) {
    return text.contains(
        QRegularExpression(u"[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"_s));
}

/// An application with the English translation installed while it lives.
class English {
public:
    English() {
        EXPECT_TRUE(m_translator.load(u"veltaro_en"_s, u":/i18n"_s));
        QCoreApplication::installTranslator(&m_translator);
    }
    ~English() { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

struct RefusalRow {
    const char* name;
    RequestRefusal refusal;
    QString japanese; // the window's own words
};

const RefusalRow kRefusals[] = {
    {"date", {InputProblem::Date}, u"日付の数値が不適切です。"_s},
    {"date range",
     {InputProblem::DateRange},
     u"日付は%1年1月1日から%2年12月31日までの範囲で入力してください。"_s.arg(kFirstYear)
         .arg(kLastYear)},
    {"longitude not a number",
     {InputProblem::LonNotNumber},
     u"経度の度・分・秒に数値を入力してください。"_s},
    {"latitude not a number",
     {InputProblem::LatNotNumber},
     u"緯度の度・分・秒に数値を入力してください。"_s},
    {"longitude range",
     {InputProblem::LonRange},
     u"経度は西経180度から東経180度までの範囲で入力してください。"_s},
    {"latitude range",
     {InputProblem::LatRange},
     u"緯度は南緯90度から北緯90度までの範囲で入力してください。"_s},
    {"days",
     {InputProblem::ContDays},
     u"連続描画の日数は1から%1までの整数で入力してください。"_s.arg(kMostContinuousDays)},
    {"reach",
     {InputProblem::ContinuousReach, InputBox::ContDays, 31},
     u"連続描画で描けるのは%1年12月31日までです。この開始日からは最大31日分まで描画できます。"_s
         .arg(kLastYear)},
};

// Every refusal in both languages: the Japanese as the window words it, the
// English a sentence of its own that names the same numbers.
TEST(Words, EveryRefusalInBothLanguages) {
    int argc = 1;
    char name[] = "tst_words";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    EXPECT_EQ(inputErrorTitle(), u"入力エラー"_s);
    EXPECT_TRUE(inputMessage(InputProblem::None).isEmpty());
    QStringList english;
    {
        const English translation;
        english << inputErrorTitle();
        for (const RefusalRow& row : kRefusals) {
            english << refusalMessage(row.refusal);
        }
    }
    EXPECT_FALSE(hasJapanese(english.takeFirst()));
    for (std::size_t i = 0; i < std::size(kRefusals); ++i) {
        const RefusalRow& row = kRefusals[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(refusalMessage(row.refusal), row.japanese);
        EXPECT_FALSE(hasJapanese(english[qsizetype(i)])) << english[qsizetype(i)].toStdString();
        EXPECT_EQ(numbersIn(english[qsizetype(i)]), numbersIn(row.japanese))
            << english[qsizetype(i)].toStdString();
    }
    EXPECT_EQ(english.removeDuplicates(), 0) << "two refusals share one English text";
}

// The captions of the time axis: 13 numbers of the mode's step, each with the
// mode's unit in the language in use.
TEST(Words, AxisCaptions) {
    const struct {
        PlotMode mode;
        int step;
        QString unit;
    } rows[] = {{PlotMode::Diurnal, 2, u"時"_s},
                {PlotMode::SixtyDay, 5, u"日"_s},
                {PlotMode::Annual, 30, u"日"_s}};
    for (const auto& row : rows) {
        const QStringList captions = axisCaptions(row.mode);
        ASSERT_EQ(captions.size(), kMoonPictures);
        for (int h = 0; h < kMoonPictures; ++h) {
            EXPECT_EQ(captions[h], QString::number(row.step * h) + row.unit);
        }
    }
}

// Values go where the translation puts them: an English date is ISO, its month
// and day with two digits, from the same values as the Japanese one.
TEST(Words, ATranslationPlacesTheValues) {
    int argc = 1;
    char name[] = "tst_words";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    EXPECT_EQ(dateText(2027, 1, 6), u"2027年1月6日"_s);
    const English translation;
    EXPECT_EQ(dateText(2027, 1, 6), u"2027-01-06"_s);
    EXPECT_EQ(filled(u"%3/%1"_s, {u"a"_s, u"b"_s}), u"%3/a"_s);
}

} // namespace
} // namespace veltaro::plot
