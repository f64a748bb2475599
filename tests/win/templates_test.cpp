// The dialog templates and the rule dialog's initial lists as compiled into
// ZelCalCtrl.dll: read back with the resource API and parsed here, so that a
// slip in the resource script (a style bit, a rectangle, a half-width
// character, a Shift_JIS byte) fails here rather than on screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

HMODULE LibraryModule() {
  HMODULE module = GetModuleHandleA("ZelCalCtrl.dll");
  return module ? module : LoadLibraryA("ZelCalCtrl.dll");
}

struct Blob {
  const BYTE* data = nullptr;
  size_t size = 0;
};

Blob LoadBlob(WORD name, WORD type) {
  HMODULE module = LibraryModule();
  if (!module) return {};
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(name), MAKEINTRESOURCEA(type));
  if (!info) return {};
  HGLOBAL loaded = LoadResource(module, info);
  if (!loaded) return {};
  return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, info)};
}

// Bounded little-endian reader; running past the end clears ok and yields zeros.
struct Reader {
  Blob blob;
  size_t pos = 0;
  bool ok = true;

  bool Take(void* out, size_t n) {
    if (!ok || n > blob.size - pos) {
      ok = false;
      std::memset(out, 0, n);
      return false;
    }
    std::memcpy(out, blob.data + pos, n);
    pos += n;
    return true;
  }
  WORD Word() { WORD w; Take(&w, sizeof w); return w; }
  DWORD Dword() { DWORD d; Take(&d, sizeof d); return d; }
  short Short() { short s; Take(&s, sizeof s); return s; }
  void Skip(size_t n) {
    if (n > blob.size - pos) ok = false;
    else pos += n;
  }
  void AlignDword() { Skip(((pos + 3) & ~size_t{3}) - pos); }
  std::wstring Sz() {
    std::wstring s;
    for (WORD c = Word(); ok && c != 0; c = Word()) s.push_back(static_cast<wchar_t>(c));
    return s;
  }
  // A template's "name or ordinal" field: 0 none, 0xFFFF then an ordinal, else text.
  std::wstring SzOrOrd(WORD* ordinal) {
    *ordinal = 0;
    WORD first = Word();
    if (first == 0xFFFF) { *ordinal = Word(); return {}; }
    if (first == 0) return {};
    return static_cast<wchar_t>(first) + Sz();
  }
};

struct Item {
  DWORD style = 0, exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  WORD id = 0;
  WORD classAtom = 0;
  std::wstring className;
  WORD titleOrdinal = 0;
  std::wstring title;
  WORD extraBytes = 0;
};

struct Dialog {
  bool extended = false;
  DWORD style = 0, exStyle = 0;
  WORD itemCount = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  WORD menuOrdinal = 0, classOrdinal = 0;
  std::wstring menu, className, caption;
  WORD pointSize = 0;
  std::wstring face;
  std::vector<Item> items;
};

// Parses a classic DLGTEMPLATE with its items. Item IDs there are 16-bit, so a
// label without an ID reads 65535.
bool ParseDialog(Blob blob, Dialog* dlg) {
  Reader r{blob};
  dlg->style = r.Dword();
  if ((dlg->style & 0xFFFF) == 1 && (dlg->style >> 16) == 0xFFFF) {
    dlg->extended = true;  // DLGTEMPLATEEX signature
    return false;
  }
  dlg->exStyle = r.Dword();
  dlg->itemCount = r.Word();
  dlg->x = r.Short(); dlg->y = r.Short(); dlg->cx = r.Short(); dlg->cy = r.Short();
  dlg->menu = r.SzOrOrd(&dlg->menuOrdinal);
  dlg->className = r.SzOrOrd(&dlg->classOrdinal);
  dlg->caption = r.Sz();
  if (dlg->style & DS_SETFONT) {
    dlg->pointSize = r.Word();
    dlg->face = r.Sz();
  }
  for (WORD i = 0; i < dlg->itemCount && r.ok; ++i) {
    Item it;
    r.AlignDword();
    it.style = r.Dword(); it.exStyle = r.Dword();
    it.x = r.Short(); it.y = r.Short(); it.cx = r.Short(); it.cy = r.Short();
    it.id = r.Word();
    it.className = r.SzOrOrd(&it.classAtom);
    it.title = r.SzOrOrd(&it.titleOrdinal);
    it.extraBytes = r.Word();
    r.Skip(it.extraBytes);
    dlg->items.push_back(it);
  }
  return r.ok;
}

// ---- what the templates must hold ----------------------------------------------

// "ＭＳ Ｐゴシック" spelled as code units: full-width ＭＳ, one half-width
// space, full-width Ｐ, katakana ゴシック.
const wchar_t kFace[] = {0xFF2D, 0xFF33, 0x0020, 0xFF30, 0x30B4, 0x30B7, 0x30C3, 0x30AF, 0};

constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kCombo = 0x0085;

constexpr DWORD kChildDialog = 0x40000040;  // WS_CHILD | DS_SETFONT, hidden
constexpr DWORD kEraList = 0x50210003;      // drop-down list, vertical scroll, tab stop
constexpr DWORD kDateField = 0x50810080;    // border, automatic h-scroll, tab stop
constexpr DWORD kLabel = 0x50020000;        // static, starts a group
constexpr DWORD kCheckBox = 0x50010003;     // automatic check box, tab stop
constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

struct ItemSpec {
  WORD id;
  WORD cls;
  DWORD style;
  short x, y, cx, cy;
  const wchar_t* text;
};

struct TemplateSpec {
  const char* name;
  WORD id;
  DWORD style;
  short cx, cy;
  const wchar_t* caption;
  std::vector<ItemSpec> items;
};

void PrintTo(const TemplateSpec& spec, std::ostream* os) { *os << spec.name; }

std::vector<ItemSpec> operator+(std::vector<ItemSpec> a, const std::vector<ItemSpec>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<ItemSpec> kFullDate = {
    {32700, kCombo, kEraList, 0, 0, 29, 60, L""},
    {32701, kEdit, kDateField, 30, 0, 20, 12, L""},
    {32702, kEdit, kDateField, 61, 0, 12, 12, L""},
    {32703, kEdit, kDateField, 82, 0, 12, 12, L""},
    {65535, kStatic, kLabel, 52, 3, 8, 8, L"年"},
    {65535, kStatic, kLabel, 74, 3, 8, 8, L"月"},
    {65535, kStatic, kLabel, 95, 3, 8, 8, L"日"},
};

const std::vector<ItemSpec> kBirthYear = {
    {32700, kCombo, kEraList, 0, 0, 29, 60, L""},
    {32701, kEdit, kDateField, 30, 0, 20, 12, L""},
    {65535, kStatic, kLabel, 50, 3, 50, 9, L"年  誕生日まで"},  // two blanks
};

const std::vector<ItemSpec> kNotifyBoxAt105 = {
    {32704, kButton, kCheckBox, 105, 2, 37, 10, L"通知設定"}};

// Date face and rule face of the periodic controls, overlapping.
const std::vector<ItemSpec> kPeriodic = {
    {32700, kCombo, kEraList, 0, 0, 29, 60, L""},
    {32701, kEdit, kDateField, 30, 0, 20, 12, L""},
    {32702, kEdit, kDateField, 61, 0, 12, 12, L""},
    {32703, kEdit, kDateField, 82, 0, 12, 12, L""},
    {32711, kStatic, kLabel, 52, 3, 8, 8, L"年"},
    {32712, kStatic, kLabel, 74, 3, 8, 8, L"月"},
    {32713, kStatic, kLabel, 95, 3, 8, 8, L"日"},
    {32706, kEdit, kVisibleChild | WS_BORDER | ES_READONLY, 0, 0, 70, 12, L""},
    {32715, kButton, kVisibleChild | WS_TABSTOP | BS_PUSHBUTTON, 72, 0, 30, 12, L"設定"},
    {32705, kButton, kVisibleChild | WS_TABSTOP | BS_PUSHBUTTON, 105, 0, 30, 12, L"定期"},
    {32708, kButton, kVisibleChild | WS_TABSTOP | BS_PUSHBUTTON, 105, 0, 30, 12, L"日時"},
};

const std::vector<ItemSpec> kNotifyBoxAt137 = {
    {32704, kButton, kCheckBox, 137, 2, 37, 10, L"通知設定"}};

constexpr DWORD kRadio = kVisibleChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kDayEdit = kVisibleChild | WS_BORDER | WS_TABSTOP | ES_RIGHT;
constexpr DWORD kDropList = kVisibleChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;

const std::vector<ItemSpec> kRuleDialog = {
    {32707, kButton, kRadio | WS_GROUP, 29, 9, 23, 10, L"毎月"},
    {32710, kEdit, kDayEdit, 53, 7, 40, 12, L""},
    {32708, kButton, kRadio, 29, 24, 23, 10, L"隔月"},
    {32709, kCombo, kDropList, 53, 22, 62, 78, L""},
    {32711, kEdit, kDayEdit, 116, 22, 40, 12, L""},
    {32712, kButton, kRadio, 29, 38, 23, 10, L"毎年"},
    {32713, kCombo, kDropList, 53, 36, 62, 78, L""},
    {32714, kEdit, kDayEdit, 116, 36, 40, 12, L""},
    {IDOK, kButton, kVisibleChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 168, 7, 50, 14, L"OK"},
    {IDCANCEL, kButton, kVisibleChild | WS_TABSTOP | BS_PUSHBUTTON, 168, 24, 50, 14, L"ｷｬﾝｾﾙ"},
    {65535, kStatic, kLabel, 7, 7, 19, 8, L"内容："},
    {65535, kStatic, kLabel, 94, 9, 8, 8, L"日"},
    {65535, kStatic, kLabel, 157, 24, 8, 8, L"日"},
    {65535, kStatic, kLabel, 157, 38, 8, 8, L"日"},
};

const TemplateSpec kTemplates[] = {
    {"ZelCalNorm_32704", 32704, kChildDialog, 113, 15, L"", kFullDate},
    {"ZelCalNormDlg_22000", 22000,
     WS_POPUP | WS_VISIBLE | DS_MODALFRAME | DS_ABSALIGN | DS_SETFOREGROUND | DS_SETFONT,
     113, 15, L"", kFullDate},
    {"ZelCalBirth_32710", 32710, kChildDialog, 111, 14, L"", kBirthYear},
    {"ZelCalNormCal_22001", 22001, kChildDialog, 113, 15, L"", kFullDate},
    {"ZelCalBirthNotify_32711", 32711, kChildDialog, 148, 14, L"", kBirthYear + kNotifyBoxAt105},
    {"ZelCalNormNotify_32705", 32705, kChildDialog, 149, 15, L"", kFullDate + kNotifyBoxAt105},
    {"ZelRegSetDlg_32707", 32707,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 225, 57, L"定期の設定",
     kRuleDialog},
    {"ZelCalReg_32706", 32706, kChildDialog, 165, 15, L"", kPeriodic},
    {"ZelCalRegNotify_32709", 32709, kChildDialog, 202, 15, L"", kPeriodic + kNotifyBoxAt137},
    {"ZelCalRegNotNotify_32712", 32712, kChildDialog, 202, 15, L"", kPeriodic + kNotifyBoxAt137},
};

const wchar_t* AtomClassName(WORD atom) {
  switch (atom) {
    case kButton: return L"Button";
    case kEdit: return L"Edit";
    case kStatic: return L"Static";
    case kCombo: return L"ComboBox";
  }
  return L"?";
}

// ---- the templates ------------------------------------------------------------

class DialogTemplate : public ::testing::TestWithParam<TemplateSpec> {
 protected:
  void SetUp() override {
    Blob blob = LoadBlob(GetParam().id, 5 /* RT_DIALOG */);
    ASSERT_NE(blob.data, nullptr) << "dialog template " << GetParam().id << " not in ZelCalCtrl.dll";
    ASSERT_TRUE(ParseDialog(blob, &dlg_))
        << (dlg_.extended ? "DLGTEMPLATEEX where a classic template is expected"
                          : "template data ends early");
  }
  Dialog dlg_;
};

TEST_P(DialogTemplate, FrameStyleSizeFontAndCaption) {
  const TemplateSpec& spec = GetParam();
  EXPECT_EQ(dlg_.style, spec.style) << std::hex << "got 0x" << dlg_.style;
  EXPECT_EQ(dlg_.exStyle, 0u);
  EXPECT_EQ(dlg_.cx, spec.cx);
  EXPECT_EQ(dlg_.cy, spec.cy);
  EXPECT_EQ(dlg_.pointSize, 12);
  EXPECT_EQ(dlg_.face, std::wstring(kFace));
  EXPECT_EQ(dlg_.caption, std::wstring(spec.caption));
  EXPECT_TRUE(dlg_.menu.empty() && dlg_.menuOrdinal == 0) << "template has a menu";
  EXPECT_TRUE(dlg_.className.empty() && dlg_.classOrdinal == 0) << "template names a class";
}

TEST_P(DialogTemplate, ItemsInTabOrder) {
  const std::vector<ItemSpec>& want = GetParam().items;
  ASSERT_EQ(dlg_.items.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    const Item& got = dlg_.items[i];
    const ItemSpec& w = want[i];
    SCOPED_TRACE(testing::Message() << "item " << i << " (ID " << w.id << ")");
    EXPECT_EQ(got.id, w.id);
    if (got.className.empty()) {
      EXPECT_EQ(got.classAtom, w.cls);
    } else {  // a class given by name must name the same window class
      EXPECT_EQ(_wcsicmp(got.className.c_str(), AtomClassName(w.cls)), 0);
    }
    EXPECT_EQ(got.style, w.style) << std::hex << "got 0x" << got.style << ", want 0x" << w.style;
    EXPECT_EQ(got.exStyle, 0u);
    EXPECT_EQ((std::vector<short>{got.x, got.y, got.cx, got.cy}),
              (std::vector<short>{w.x, w.y, w.cx, w.cy}));
    EXPECT_EQ(got.titleOrdinal, 0);
    EXPECT_EQ(got.title, std::wstring(w.text));
    EXPECT_EQ(got.extraBytes, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(ZelCalCtrl, DialogTemplate, ::testing::ValuesIn(kTemplates),
                         [](const testing::TestParamInfo<TemplateSpec>& info) {
                           return std::string(info.param.name);
                         });

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
  if (IS_INTRESOURCE(name))
    reinterpret_cast<std::vector<WORD>*>(out)->push_back(LOWORD(reinterpret_cast<ULONG_PTR>(name)));
  else
    reinterpret_cast<std::vector<WORD>*>(out)->push_back(0);  // a named template: unexpected
  return TRUE;
}

TEST(DialogTemplates, LibraryHoldsExactlyTheTenTemplates) {
  HMODULE module = LibraryModule();
  ASSERT_NE(module, nullptr);
  std::vector<WORD> ids;
  EnumResourceNamesA(module, MAKEINTRESOURCEA(5), CollectName, reinterpret_cast<LONG_PTR>(&ids));
  // The resource directory lists ordinals in ascending order.
  EXPECT_EQ(ids, (std::vector<WORD>{22000, 22001, 32704, 32705, 32706, 32707, 32709, 32710,
                                    32711, 32712}));
}

// ---- initial lists of the rule dialog ---------------------------------------------

struct InitRecord {
  WORD control = 0;
  WORD message = 0;
  std::string bytes;  // as stored: Shift_JIS text with its terminating zero
};

// Reads the records up to the closing WORD 0; fails on truncation or trailing data.
bool ParseInitData(Blob blob, std::vector<InitRecord>* out) {
  Reader r{blob};
  for (WORD control = r.Word(); r.ok && control != 0; control = r.Word()) {
    InitRecord rec;
    rec.control = control;
    rec.message = r.Word();
    DWORD length = r.Dword();
    rec.bytes.resize(length);
    if (!r.Take(rec.bytes.data(), length)) return false;
    out->push_back(rec);
  }
  return r.ok && r.pos == blob.size;
}

std::wstring FromShiftJis(const std::string& s) {
  wchar_t buf[64] = {};
  int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), buf, 64);
  return n > 0 ? std::wstring(buf, n) : L"<invalid Shift_JIS>";
}

std::string ToShiftJis(const std::wstring& s) {
  char buf[64] = {};
  int n = WideCharToMultiByte(932, 0, s.c_str(), static_cast<int>(s.size()), buf, 64, nullptr, nullptr);
  return std::string(buf, n > 0 ? n : 0);
}

class RegSetInitialLists : public ::testing::Test {
 protected:
  void SetUp() override {
    Blob blob = LoadBlob(32707, 240 /* RT_ZEL_DLGINIT */);
    ASSERT_NE(blob.data, nullptr) << "no initial data for template 32707";
    ASSERT_TRUE(ParseInitData(blob, &records_)) << "malformed records or bytes after the end mark";
  }
  std::vector<InitRecord> records_;
};

TEST_F(RegSetInitialLists, IntervalsThenMonthsAsShiftJisAddStrings) {
  std::vector<std::pair<WORD, std::wstring>> want;
  for (int n = 2; n <= 12; ++n) want.emplace_back(32709, std::to_wstring(n) + L"ヶ月に1回");
  for (int m = 1; m <= 12; ++m) want.emplace_back(32713, std::to_wstring(m) + L"月");

  ASSERT_EQ(records_.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    const InitRecord& rec = records_[i];
    SCOPED_TRACE(testing::Message() << "record " << i);
    EXPECT_EQ(rec.control, want[i].first);
    EXPECT_EQ(rec.message, CB_ADDSTRING);
    ASSERT_FALSE(rec.bytes.empty());
    EXPECT_EQ(rec.bytes.back(), '\0') << "text stored without its terminating zero";
    std::string text = rec.bytes.substr(0, rec.bytes.size() - 1);
    EXPECT_EQ(text.find('\0'), std::string::npos) << "zero byte inside the text";
    EXPECT_EQ(FromShiftJis(text), want[i].second);
    EXPECT_EQ(text, ToShiftJis(want[i].second));
  }
}

// Byte values straight from the code page 932 table, independent of the
// conversion functions above.
TEST_F(RegSetInitialLists, FirstAndLastItemsHaveTheCodePage932Bytes) {
  ASSERT_EQ(records_.size(), 23u);
  EXPECT_EQ(records_[0].bytes, std::string("2\x83\x96\x8C\x8E\x82\xC9" "1\x89\xF1", 11));   // 2ヶ月に1回
  EXPECT_EQ(records_[10].bytes, std::string("12\x83\x96\x8C\x8E\x82\xC9" "1\x89\xF1", 12)); // 12ヶ月に1回
  EXPECT_EQ(records_[11].bytes, std::string("1\x8C\x8E", 4));                               // 1月
  EXPECT_EQ(records_[22].bytes, std::string("12\x8C\x8E", 5));                              // 12月
}

}  // namespace
