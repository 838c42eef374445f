// The same lyrics saved in every encoding people keep them in must give the
// lyric window the UTF-8 file gives. The encoded files are made here from one
// Unicode text with ICU's converters.

#include <gtest/gtest.h>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/wide_text.h"
#include "lyrics/icu_legacy_decoder.h"
#include "lyrics/lyrics.h"
#include "tests/lyrics/lyric_test_support.h"

namespace solvane {
namespace {

struct Song {
  const char* language;
  const char* header;  // "[ar:...]\n[ti:...]\n"
  std::vector<const char*> lines;
  std::vector<const char*> encodings;  // the legacy encodings it is saved in
};

const std::vector<Song>& Songs() {
  static const std::vector<Song> songs = {
      {"Chinese (simplified)",
       "[ar:林小雨]\n[ti:月光下的海]\n[al:远方的信]\n",
       {"夜色慢慢落在海面上", "我一个人走过长长的街", "风吹过你曾经站着的地方", "灯火一点一点亮起来",
        "你说过要等到春天", "可是花开了你却不在", "我把思念写进每一封信", "寄给远方看不见的你",
        "月光照着回家的路", "每一步都是你的名字", "如果有一天你会回来", "请记得这片安静的海",
        "我还在这里等你"},
       {"GBK"}},
      {"Chinese (traditional)",
       "[ar:林小雨]\n[ti:月光下的海]\n[al:遠方的信]\n",
       {"夜色慢慢落在海面上", "我一個人走過長長的街", "風吹過你曾經站著的地方", "燈火一點一點亮起來",
        "你說過要等到春天", "可是花開了你卻不在", "我把思念寫進每一封信", "寄給遠方看不見的你",
        "月光照著回家的路", "每一步都是你的名字", "如果有一天你會回來", "請記得這片安靜的海",
        "我還在這裡等你"},
       {"Big5"}},
      {"Japanese",
       "[ar:青木ひかり]\n[ti:夏の終わりに]\n[al:空色の手紙]\n",
       {"夏の終わりに君と歩いた道", "夕焼けが街を赤く染めていた", "言えなかった言葉が胸に残る",
        "風が吹いて髪が揺れている", "あの日の約束を覚えているかな", "遠くで電車の音が聞こえる",
        "君の笑顔が今も忘れられない", "季節はまた静かに変わっていく", "ひとりで見上げる星の数",
        "涙をこらえて前を向こう", "いつかまた会えると信じている", "さよならは言わないままで",
        "ありがとう、またね"},
       {"Shift_JIS", "EUC-JP"}},
      {"Korean",
       "[ar:김하늘]\n[ti:바람이 부는 날]\n[al:너에게]\n",
       {"바람이 부는 날에 너를 생각해", "우리가 함께 걷던 그 길 위에서", "아직도 너의 목소리가 들려",
        "하늘은 오늘도 푸르기만 한데", "너는 어디에서 무엇을 하고 있니", "나는 여기서 너를 기다려",
        "밤하늘에 별이 하나 둘 떠오르면", "너의 이름을 조용히 불러 봐", "시간이 흘러도 변하지 않아",
        "내 마음은 언제나 너에게 있어", "다시 만나는 그날이 오면", "웃으며 안아 줄게",
        "사랑해 지금도"},
       {"EUC-KR"}},
      {"Russian",
       "[ar:Анна Белова]\n[ti:Зимний вечер]\n[al:Дорога домой]\n",
       {"Снег ложится на пустые улицы", "Фонари горят в тишине ночной", "Я иду одна по старому городу",
        "И вспоминаю голос твой", "Мы когда-то здесь гуляли вместе", "Говорили обо всём на свете",
        "Ты смеялся, а я молчала", "Ветер пел нам песню о любви", "Где ты сейчас, мой милый друг?",
        "Помнишь ли ты этот зимний вечер?", "Я жду тебя у нашего окна", "Сердце бьётся тише с каждым днём",
        "Возвращайся домой"},
       {"windows-1251"}},
      {"French",
       "[ar:Élodie Marchand]\n[ti:Déjà vu]\n[al:Été indien]\n",
       {"J'ai déjà vu ce ciel d'été", "Où tu m'as dit « à bientôt »", "Les rêves s'en vont à la dérive",
        "Comme des feuilles sur l'eau", "Ça fait longtemps, mon cœur", "Je garde ta lettre près de moi",
        "Où es-tu ce soir, mon frère ?", "La fenêtre s'ouvre sur la mer", "Et l'écho répète ton nom",
        "Noël viendra, puis l'été", "Je t'attendrai à la gare", "Même si tout a changé",
        "Déjà vu, déjà vécu"},
       {"windows-1252"}},
      {"German",
       "[ar:Jürgen Köhler]\n[ti:Über die Brücke]\n[al:Grüße aus Köln]\n",
       {"Über die Brücke geh ich allein", "Die Straßen sind müde und grau", "Ärger und Öl auf dem Fluss",
        "Ich höre die Glocken von fern", "Du hast mir „Bis bald“ gesagt", "Doch die Tür blieb für immer zu",
        "Schöne Grüße aus der Ferne", "Mädchen, weißt du noch wie es war?", "Wir tanzten bis früh um vier",
        "Die Bäume verlieren ihr Laub", "Ich träume von dir jede Nacht", "Und warte auf morgen früh",
        "Für immer dein"},
       {"windows-1252"}},
  };
  return songs;
}

// The song as an LRC file in UTF-8: header tags, then one timed line each
// 3.5 seconds.
std::string Utf8File(const Song& song) {
  std::string text = song.header;
  int tenths = 50;
  for (const char* line : song.lines) {
    text += testing::TimeTag(tenths) + line + "\r\n";
    tenths += 35;
  }
  return text;
}

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// `text` in `encoding`; fails the test if any character has no form in it.
std::string Encode(const std::string& text, const char* encoding) {
  UErrorCode status = U_ZERO_ERROR;
  std::u16string wide(text.size() + 1, u'\0');
  std::int32_t units = 0;
  u_strFromUTF8(wide.data(), static_cast<std::int32_t>(wide.size()), &units, text.data(),
                static_cast<std::int32_t>(text.size()), &status);
  const std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open(encoding, &status));
  ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  std::string bytes(static_cast<std::size_t>(units) * 4 + 4, '\0');
  const std::int32_t length = ucnv_fromUChars(converter.get(), bytes.data(), static_cast<std::int32_t>(bytes.size()),
                                              wide.data(), units, &status);
  EXPECT_TRUE(U_SUCCESS(status)) << encoding << ": " << u_errorName(status);
  bytes.resize(static_cast<std::size_t>(U_SUCCESS(status) ? length : 0));
  return bytes;
}

std::string Utf16(const std::string& text, bool bigEndian) {
  const std::string units = Encode(text, bigEndian ? "UTF-16BE" : "UTF-16LE");
  return (bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE")) + units;
}

// What the face shows of a file: the header fields and the lyric window.
struct Shown {
  std::string artist, title, album;
  std::vector<std::pair<std::int32_t, std::string>> window;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
  out << shown.artist << " / " << shown.title << " / " << shown.album << "\n";
  for (const auto& [time, text] : shown.window) {
    out << time << " " << text << "\n";
  }
  return out;
}

class LyricEncodings : public ::testing::Test {
 protected:
  // Loads `bytes` as a lyric file and fills the window from `start`.
  std::optional<Shown> LoadAndShow(const std::string& bytes, std::int32_t start = 0) {
    folder.Write("song.LRC", bytes);
    LyricState lyrics;
    if (!LoadLyricFile(lyrics, Wide(folder.Path() + "song.mp3"), &decoder)) {
      return std::nullopt;
    }
    ParseHeaderTags(lyrics);
    BuildTagIndex(lyrics);
    FillLyricWindow(lyrics, start);
    Shown shown{lyrics.artist, lyrics.title, lyrics.album, {}};
    for (int slot = 0; slot < lyrics.lineCount; ++slot) {
      shown.window.emplace_back(lyrics.lineTime[slot], lyrics.lineText[slot]);
    }
    return shown;
  }

  testing::TempFolder folder;
  IcuLegacyDecoder decoder;
};

TEST_F(LyricEncodings, EverySavedFormGivesTheUtf8FilesWindow) {
  for (const Song& song : Songs()) {
    const std::string utf8 = Utf8File(song);
    const std::optional<Shown> expected = LoadAndShow(utf8);
    ASSERT_TRUE(expected) << song.language;
    ASSERT_EQ(expected->window.size(), song.lines.size()) << song.language;
    EXPECT_EQ(expected->window.back().second, song.lines.back()) << song.language;

    std::vector<std::pair<std::string, std::string>> forms = {
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8},
        {"UTF-16 LE", Utf16(utf8, false)},
        {"UTF-16 BE", Utf16(utf8, true)},
    };
    for (const char* encoding : song.encodings) {
      forms.emplace_back(encoding, Encode(utf8, encoding));
    }
    for (const auto& [form, bytes] : forms) {
      ASSERT_NE(bytes, utf8) << song.language << " " << form;
      EXPECT_EQ(LoadAndShow(bytes), expected) << song.language << " as " << form;
    }
  }
}

TEST_F(LyricEncodings, ShortValidUtf8WithFewAccentsStaysUtf8) {
  const std::string shortFile = testing::TimeTag(10) + "Caf\xC3\xA9\n" + testing::TimeTag(20) + "Ni\xC3\xB1o\n";
  const std::optional<Shown> shown = LoadAndShow(shortFile);
  ASSERT_TRUE(shown);
  ASSERT_EQ(shown->window.size(), 2U);
  EXPECT_EQ(shown->window[0].second, "Caf\xC3\xA9");
  EXPECT_EQ(shown->window[1].second, "Ni\xC3\xB1o");
}

TEST_F(LyricEncodings, BytesThatDecodeInNoEncodingShowAsReplacementCharacters) {
  // 0x81 and 0x8D have no character in windows-1252 and break every
  // multi-byte encoding's pairs here.
  const std::string text = decoder.ToUtf8(testing::TimeTag(10) + "\x81\x8D\xFF\x81\n");
  EXPECT_NE(text.find("\xEF\xBF\xBD"), std::string::npos) << text;
  EXPECT_EQ(text.rfind(testing::TimeTag(10), 0), 0U) << text;
}

// Short texts: a title or a line or two, too little for a statistical
// detector, each in the encoding its language's files come in.
struct ShortText {
  const char* name;
  const char* encoding;
  std::vector<const char*> lines;
};

const ShortText kShortTexts[] = {
    {"OneLineGbk", "GBK", {"你好"}},
    {"TitleAloneGbk", "GBK", {"Wake (醒来的时候)"}},
    {"TwoLinesGbk", "GBK", {"月光照在海面上", "我们一起走过的路"}},
    {"ThreeLinesGbk", "GBK", {"夜色慢慢落在水面", "春天的风吹过小河", "请你不要忘记我"}},
    {"OneLineBig5", "Big5", {"我們一起走過的路"}},
    {"ThreeLinesBig5", "Big5", {"夜色慢慢落在水面", "春天的風吹過小河", "請你不要忘記我"}},
    {"OneLineShiftJis", "Shift_JIS", {"こんにちは"}},
    {"TitleAloneShiftJis", "Shift_JIS", {"Wake (目覚めの時)"}},
    {"ThreeLinesShiftJis", "Shift_JIS", {"君と歩いた道", "夜がゆっくり降りてくる", "忘れないでね"}},
    {"TwoLinesEucKr", "EUC-KR", {"우리가 함께 걸었던 길", "밤이 천천히 내려온다"}},
    {"ThreeLinesEucKr", "EUC-KR", {"달빛이 바다를 비춘다", "봄바람이 강을 건넌다", "나를 잊지 마세요"}},
};

std::string ShortFile(const std::vector<const char*>& lines) {
  std::string text;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    text += testing::TimeTag(static_cast<int>(10 * (k + 1))) + lines[k] + "\n";
  }
  return text;
}

TEST_F(LyricEncodings, ShortTextsAreReadInTheCjkEncodingTheyFit) {
  for (const char* locale : {"", "C.UTF-8", "en_US.UTF-8"}) {
    const IcuLegacyDecoder inLocale(locale);
    for (const ShortText& text : kShortTexts) {
      const std::string utf8 = ShortFile(text.lines);
      EXPECT_EQ(inLocale.ToUtf8(Encode(utf8, text.encoding)), utf8) << text.name << " in \"" << locale << '"';
    }
  }
}

TEST_F(LyricEncodings, TheLocaleChoosesBetweenEncodingsTheBytesFitEqually) {
  // A word or two of Hangul is also a line of common Chinese characters in
  // GB18030, and no detector tells them apart.
  for (const char* word : {"안녕하세요", "Wake (깨어날 때)"}) {
    const std::string utf8 = testing::TimeTag(10) + word + "\n";
    EXPECT_EQ(IcuLegacyDecoder("ko_KR.UTF-8").ToUtf8(Encode(utf8, "EUC-KR")), utf8) << word;
  }
  // "你好" in GBK is also a pair of common characters in Big5.
  const std::string bytes = Encode(testing::TimeTag(10) + "你好\n", "GBK");
  const std::string asBig5 = IcuLegacyDecoder("zh_TW.UTF-8").ToUtf8(bytes);
  EXPECT_EQ(IcuLegacyDecoder("zh_CN.UTF-8").ToUtf8(bytes), testing::TimeTag(10) + "你好\n");
  EXPECT_EQ(Encode(asBig5, "Big5"), bytes);
  EXPECT_NE(asBig5, testing::TimeTag(10) + "你好\n");
}

TEST_F(LyricEncodings, LatinTextsWithFewAccentsAreNotTakenForCjk) {
  const IcuLegacyDecoder chineseLocale("zh_CN.UTF-8");
  for (const char* line : {"Grüße aus Köln", "Café au lait", "Déjà vu"}) {
    const std::string utf8 = testing::TimeTag(10) + line + "\n";
    EXPECT_EQ(chineseLocale.ToUtf8(Encode(utf8, "windows-1252")), utf8) << line;
  }
}

TEST_F(LyricEncodings, DamagedUtf8KeepsEveryOtherLine) {
  // 29 lines of the German song and a last line "Grüße", from the window of
  // the last 20 lines.
  const Song& german = Songs().back();
  std::string utf8 = german.header;
  for (int k = 1; k < 30; ++k) {
    utf8 += testing::TimeTag(10 * k) + german.lines[static_cast<std::size_t>(k) % german.lines.size()] + "\n";
  }
  utf8 += testing::TimeTag(300) + "Grüße\n";
  constexpr std::int32_t kEleventhLine = 110;
  const std::optional<Shown> intact = LoadAndShow(utf8, kEleventhLine);
  ASSERT_TRUE(intact);
  ASSERT_EQ(intact->window.size(), 20U);

  const std::size_t lastUmlaut = utf8.rfind("ü");
  std::string latin1Byte = utf8;
  latin1Byte.replace(lastUmlaut, 2, "\xFC");
  std::string questionMark = utf8;
  questionMark[lastUmlaut + 1] = '?';

  const std::pair<std::string, std::string> cases[] = {{latin1Byte, "Gr\uFFFD\u00DFe"},
                                                      {questionMark, "Gr\uFFFD?\u00DFe"}};
  for (const auto& [damaged, lastLine] : cases) {
    std::optional<Shown> shown = LoadAndShow(damaged, kEleventhLine);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->window.back().second, lastLine);
    shown->window.back() = intact->window.back();
    EXPECT_EQ(shown, intact);
  }
}

TEST_F(LyricEncodings, CutsAtTheByteLimitLandOnACharacterBoundary) {
  // "a" and 67 Chinese characters of three UTF-8 bytes each: the cut at 129
  // bytes falls inside the 43rd character, which is left out whole.
  const std::u16string song = u"夜色慢慢落在海面上我一个人走过长长的街风吹过你曾经站着的地方灯火一点一点亮起来你说过要等到春天可是花开了你却不在";
  const std::u16string longLine = u"a" + song.substr(0, 67);
  const std::u16string keptLine = u"a" + song.substr(0, 42);
  const std::string utf8 = WideToUtf8(longLine).value_or("");
  const std::string kept = WideToUtf8(keptLine).value_or("");
  for (const char* encoding : {"UTF-8", "GBK"}) {
    const std::optional<Shown> shown =
        LoadAndShow(Encode("[ti:" + utf8 + "]\n" + testing::TimeTag(10) + utf8 + "\n", encoding));
    ASSERT_TRUE(shown) << encoding;
    EXPECT_EQ(shown->title, kept) << encoding;
    ASSERT_EQ(shown->window.size(), 1U) << encoding;
    EXPECT_EQ(shown->window[0].second, kept) << encoding;
  }
}

}  // namespace
}  // namespace solvane
