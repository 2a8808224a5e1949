#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "platform/framework.h"
#include "tests/platform/probe_dialog.h"
#include "tests/support/modal_answers.h"
#include "tests/support/window_widgets.h"

namespace {

TEST(DialogEditChange, SetWindowTextDeliversEnChangeBeforeReturningAlsoForTheSameText) {
  CProbeDlg dialog;
  std::vector<std::size_t> seenAfterEachCall;
  dialog.onInit = [&](CProbeDlg& self) {
    self.changes.clear();
    for (const char16_t* text : {u"12", u"12", u"", u""}) {
      self.valueEdit.SetWindowText(text);
      seenAfterEachCall.push_back(self.changes.size());
    }
    self.EndDialog(IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(seenAfterEachCall, (std::vector<std::size_t>{1, 2, 3, 4}));
  EXPECT_EQ(dialog.changes, (std::vector<std::u16string>{u"12", u"12", u"", u""}));
}

TEST(DialogEditChange, TypingDeliversOneEnChangePerKeystroke) {
  CProbeDlg dialog;
  ModalAnswers answers;
  answers.Expect<QDialog>([&](QDialog*) {
    dialog.changes.clear();
    QTest::keyClicks(ControlWidget<QLineEdit>(dialog.m_hWnd, 1001), "105");
    QTest::keyClick(ControlWidget<QLineEdit>(dialog.m_hWnd, 1001), Qt::Key_Backspace);
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
  EXPECT_EQ(dialog.changes, (std::vector<std::u16string>{u"1", u"10", u"105", u"10"}));
}

struct GetLineCase {
  const char* name;
  const char16_t* text;
  int room;
  int copied;
  std::u16string bufferAfter;  // nine units, of which the first is the room
};

class EditGetLine : public ::testing::TestWithParam<GetLineCase> {};

TEST_P(EditGetLine, CopiesAtMostTheRoomWithoutTerminator) {
  const GetLineCase& c = GetParam();
  CProbeDlg dialog;
  int copied = -1;
  int length = -1;
  std::u16string buffer(9, u' ');
  dialog.onInit = [&](CProbeDlg& self) {
    self.valueEdit.SetWindowText(c.text);
    buffer[0] = static_cast<char16_t>(c.room);
    copied = static_cast<int>(
        self.valueEdit.SendMessage(EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer.data())));
    length = self.valueEdit.LineLength();
    self.EndDialog(IDOK);
  };
  dialog.DoModal();
  EXPECT_EQ(copied, c.copied);
  EXPECT_EQ(buffer, c.bufferAfter);
  EXPECT_EQ(length, static_cast<int>(std::u16string(c.text).size()));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, EditGetLine,
    ::testing::Values(GetLineCase{"LongerThanRoom", u"9800.50", 5, 5, u"9800.    "},
                      GetLineCase{"ShorterThanRoom", u"12", 5, 2, u"12       "},
                      GetLineCase{"Empty", u"", 5, 0, u"\x05        "},
                      GetLineCase{"NoRoom", u"abc", 0, 0, std::u16string(1, u'\0') + u"        "},
                      GetLineCase{"ExactRoom", u"12345", 5, 5, u"12345    "}),
    [](const auto& row) { return row.param.name; });

TEST(DialogItems, ASharedIdentifierAddressesNoControl) {
  CProbeDlg dialog;
  dialog.onInit = [](CProbeDlg& self) {
    EXPECT_EQ(GetDlgItem(self.m_hWnd, 0xFFFF), nullptr);
    EXPECT_EQ(GetDlgItem(self.m_hWnd, -1), nullptr);
    EXPECT_EQ(self.GetDlgItem(-1), nullptr);
    EXPECT_EQ(GetDlgItem(self.m_hWnd, 4242), nullptr);
    EXPECT_NE(GetDlgItem(self.m_hWnd, 1002), nullptr);
    EXPECT_EQ(self.GetDlgItem(1001), &self.valueEdit);  // the bound wrapper
    self.EndDialog(IDOK);
  };
  dialog.DoModal();

  CProbeDlg single(kSingleSharedIdTemplate);
  single.onInit = [](CProbeDlg& self) {
    EXPECT_NE(GetDlgItem(self.m_hWnd, 0xFFFF), nullptr);
    self.EndDialog(IDOK);
  };
  single.DoModal();
}

TEST(DialogItems, ControlsSitAtTheirTemplateRectanglesWithTheirStyles) {
  CProbeDlg dialog;
  dialog.onInit = [](CProbeDlg& self) {
    RECT rect{60, 8, 100, 20};
    ASSERT_TRUE(MapDialogRect(self.m_hWnd, &rect));
    auto* edit = ControlWidget<QLineEdit>(self.m_hWnd, 1001);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(),
              QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
    EXPECT_TRUE(edit->hasFrame());
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_TRUE(ControlWidget<QLineEdit>(self.m_hWnd, 1002)->isReadOnly());
    EXPECT_TRUE(ControlWidget<QPushButton>(self.m_hWnd, IDOK)->isDefault());
    EXPECT_FALSE(ControlWidget<QPushButton>(self.m_hWnd, IDCANCEL)->isDefault());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(self.m_hWnd, 1030)));
    EXPECT_FALSE(
        ControlWidget<QLabel>(self.m_hWnd, 1031)->isVisibleTo(WidgetForWindow(self.m_hWnd)));
    EXPECT_EQ(ControlWidget<QLabel>(self.m_hWnd, 1031)->alignment(),
              Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_FALSE(ControlWidget<QLabel>(self.m_hWnd, 1013)->pixmap().isNull());
    EXPECT_EQ(ControlWidget<QLabel>(self.m_hWnd, 1013)->pixmap().size(), QSize(32, 32));
    EXPECT_NE(ControlWidget<QListWidget>(self.m_hWnd, 1020), nullptr);
    EXPECT_NE(ControlWidget<QComboBox>(self.m_hWnd, 1021), nullptr);
    EXPECT_EQ(WidgetForWindow(self.m_hWnd)->windowTitle(), "Probe");
    self.EndDialog(IDOK);
  };
  dialog.DoModal();
}

TEST(DialogItems, StaticsKeepTheirTextsAlignmentAndLineBreaks) {
  CProbeDlg dialog;
  ModalAnswers answers;
  answers.Expect<QDialog>([&](QDialog* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) texts << label->text();
    }
    EXPECT_TRUE(texts.contains("Value"));
    EXPECT_TRUE(texts.contains("Line one\nLine two"));
    const auto boxes = window->findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->title(), "Box");
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
}

TEST(DialogFocus, FirstTabStopHasTheFocusAndTabFollowsTemplateOrder) {
  CProbeDlg dialog;
  ModalAnswers answers;
  answers.Expect<QDialog>([&](QDialog* window) {
    EXPECT_EQ(window->focusWidget(), ControlWidget(dialog.m_hWnd, IDOK));
    QWidget* widget = ControlWidget(dialog.m_hWnd, IDOK);
    for (int id : {IDOK, IDCANCEL, 1000, 1001, 1002, 1020, 1021}) {
      EXPECT_EQ(widget, ControlWidget(dialog.m_hWnd, id)) << "tab stop " << id;
      do {
        widget = widget->nextInFocusChain();
      } while (widget->focusPolicy() != Qt::StrongFocus);
    }
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
}

struct CloseCase {
  const char* name;
  std::function<void(QDialog*, CProbeDlg&)> act;
  int result;
  int okCount;
};

class DialogEnding : public ::testing::TestWithParam<CloseCase> {};

TEST_P(DialogEnding, EndsWithTheResultAUserExpects) {
  CProbeDlg dialog;
  ModalAnswers answers;
  answers.Expect<QDialog>([&](QDialog* window) { GetParam().act(window, dialog); });
  EXPECT_EQ(dialog.DoModal(), GetParam().result);
  EXPECT_EQ(dialog.okCount, GetParam().okCount);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.valueEdit.m_hWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, DialogEnding,
    ::testing::Values(
        CloseCase{"TitleBarCloseActsAsOk", [](QDialog* w, CProbeDlg&) { w->close(); }, IDOK, 1},
        CloseCase{"EscapeIsCancel",
                  [](QDialog* w, CProbeDlg&) { QTest::keyClick(w, Qt::Key_Escape); }, IDCANCEL, 0},
        CloseCase{"EnterPressesTheDefaultButton",
                  [](QDialog*, CProbeDlg& d) {
                    QTest::keyClick(ControlWidget(d.m_hWnd, 1001), Qt::Key_Return);
                  },
                  IDOK, 1},
        CloseCase{
            "OkButton",
            [](QDialog*, CProbeDlg& d) { ControlWidget<QPushButton>(d.m_hWnd, IDOK)->click(); },
            IDOK, 1},
        CloseCase{
            "CancelButton",
            [](QDialog*, CProbeDlg& d) { ControlWidget<QPushButton>(d.m_hWnd, IDCANCEL)->click(); },
            IDCANCEL, 0},
        CloseCase{"CloseMessage", [](QDialog*, CProbeDlg& d) { d.SendMessage(WM_CLOSE); }, IDOK,
                  1}),
    [](const auto& row) { return row.param.name; });

TEST(DialogOk, DefaultOkExchangesDataInTheSavingDirectionAfterTheInitialLoad) {
  CProbeDlg dialog;
  ModalAnswers answers;
  answers.Expect<QDialog>([](QDialog* window) { window->close(); });
  dialog.DoModal();
  EXPECT_EQ(dialog.exchanges, (std::vector<BOOL>{FALSE, TRUE}));
}

TEST(DialogModal, NestedRunsReturnTheirOwnResultsAndKeepTheOwnerDisabled) {
  CProbeDlg outer;
  CProbeDlg inner;
  int innerResult = 0;
  BOOL ownerEnabledDuringInner = TRUE;
  outer.onNested = [&](CProbeDlg&) { innerResult = inner.DoModal(); };
  ModalAnswers answers;
  answers.Expect<QDialog>([&](QDialog*) {
    answers.Expect<QDialog>([&](QDialog* innerWindow) {
      ownerEnabledDuringInner = IsWindowEnabled(outer.m_hWnd);
      QTest::keyClick(innerWindow, Qt::Key_Escape);
    });
    ControlWidget<QPushButton>(outer.m_hWnd, 1000)->click();
    EXPECT_TRUE(IsWindowEnabled(outer.m_hWnd));
    EXPECT_EQ(inner.m_hWnd, nullptr);
    ControlWidget<QPushButton>(outer.m_hWnd, IDOK)->click();
  });
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_FALSE(ownerEnabledDuringInner);
}

TEST(DialogModal, MissingOrDamagedTemplateCannotComeUp) {
  CProbeDlg missing(4711);
  EXPECT_EQ(missing.DoModal(), -1);
  CProbeDlg truncated(kTruncatedTemplate);
  EXPECT_EQ(truncated.DoModal(), -1);
  EXPECT_EQ(truncated.m_hWnd, nullptr);
  EXPECT_TRUE(truncated.exchanges.empty());
}

TEST(DialogModal, ClearsTheApplicationsMainWindowReference) {
  CWinApp app;
  CProbeDlg dialog;
  app.m_pMainWnd = &dialog;
  dialog.onInit = [](CProbeDlg& self) { self.EndDialog(IDOK); };
  dialog.DoModal();
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(AfxGetApp(), &app);
}

TEST(DialogSize, SizeChangesReachTheMapAndTheFirstComesBeforeTheControls) {
  CProbeDlg dialog;
  ModalAnswers answers;
  answers.Expect<QDialog>([&](QDialog* window) {
    window->resize(320, 240);
    QApplication::processEvents();
    SendMessage(dialog.m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(50, 60));
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
  ASSERT_EQ(dialog.sizes.size(), 3u);
  EXPECT_FALSE(dialog.sizeSawControls[0]);
  EXPECT_EQ(dialog.sizes[1], std::make_pair(320, 240));
  EXPECT_EQ(dialog.sizes[2], std::make_pair(50, 60));
}

TEST(RuntimeClass, ClassesAnswerTheirNameAndBase) {
  CProbeDlg probe;
  CPlainProbeDlg plain;
  CDialog dialog(1);
  CWinApp app;
  EXPECT_STREQ(probe.GetRuntimeClass()->m_lpszClassName, "CProbeDlg");
  EXPECT_EQ(probe.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CDialog));
  EXPECT_STREQ(plain.GetRuntimeClass()->m_lpszClassName, "CProbeDlg");
  EXPECT_STREQ(dialog.GetRuntimeClass()->m_lpszClassName, "CDialog");
  EXPECT_STREQ(dialog.GetRuntimeClass()->m_pBaseClass->m_lpszClassName, "CWnd");
  EXPECT_STREQ(app.GetRuntimeClass()->m_lpszClassName, "CWinApp");
  EXPECT_TRUE(probe.IsKindOf(RUNTIME_CLASS(CWnd)));
  EXPECT_FALSE(app.IsKindOf(RUNTIME_CLASS(CWnd)));
}

}  // namespace
