#include "app/ClosePolicy.h"
#include "document/Document.h"
#include "document/Workspace.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

using Answer = ClosePrompt::Answer;

// The windows' side of closing, scripted: the answers to give in turn, whether
// saving succeeds, and a log of what was asked and done.
class ScriptedHost : public CloseHost
{
public:
    explicit ScriptedHost(Workspace &documents)
        : m_documents(documents)
    { }

    std::deque<Answer> answers;
    bool saves = false;
    std::vector<Document *> asked;
    std::vector<Document *> broughtForward;
    std::vector<Document *> saved;

    void bringForward(Document &document) override
    {
        broughtForward.push_back(&document);
        m_documents.activate(&document);
    }
    Answer askToSave(Document &document) override
    {
        asked.push_back(&document);
        EXPECT_FALSE(answers.empty()) << "an unexpected question";
        if (answers.empty())
            return Answer::Cancel;
        const Answer next = answers.front();
        answers.pop_front();
        return next;
    }
    bool save(Document &document) override
    {
        saved.push_back(&document);
        if (saves)
            document.setDataChanged(false);
        return saves;
    }
    void closeWindow(Document &document) override
    {
        // A window closes through its own close prompt, as FrmEdit does.
        if (ClosePolicy::queryUnload(m_documents, document, *this))
            m_documents.unload(&document);
    }

private:
    Workspace &m_documents;
};

class ClosePolicyTest : public ::testing::Test
{
protected:
    void open(int count)
    {
        for (int k = 0; k < count; ++k)
            documents.NewPicture();
    }
    Document *doc(int k) { return documents.hEditList(k); }

    Workspace documents;
    ScriptedHost host { documents };
};

}

TEST_F(ClosePolicyTest, OneWindowClosesUnaskedWhenUnchangedAndOtherwiseAsAnswered)
{
    open(1);
    EXPECT_TRUE(ClosePolicy::queryUnload(documents, *doc(1), host));
    EXPECT_TRUE(host.asked.empty());
    EXPECT_TRUE(host.broughtForward.empty()) << "a single window is already in front";

    doc(1)->setDataChanged(true);
    host.answers = { Answer::Cancel, Answer::Yes, Answer::No };
    EXPECT_FALSE(ClosePolicy::queryUnload(documents, *doc(1), host));
    EXPECT_TRUE(doc(1)->DataChanged());
    EXPECT_FALSE(ClosePolicy::queryUnload(documents, *doc(1), host)) << "Yes, but not saved";
    EXPECT_EQ(host.saved.size(), 1u);
    EXPECT_TRUE(doc(1)->DataChanged());
    EXPECT_TRUE(ClosePolicy::queryUnload(documents, *doc(1), host));
    EXPECT_FALSE(doc(1)->DataChanged());
    EXPECT_EQ(host.asked.size(), 3u) << "every close asks afresh";

    doc(1)->setDataChanged(true);
    host.saves = true;
    host.answers = { Answer::Yes };
    EXPECT_TRUE(ClosePolicy::queryUnload(documents, *doc(1), host));
}

TEST_F(ClosePolicyTest, AmongSeveralTheWindowAskedAboutComesToTheFront)
{
    open(3);
    doc(1)->setDataChanged(true);
    host.answers = { Answer::Cancel };
    EXPECT_FALSE(ClosePolicy::queryUnload(documents, *doc(1), host));
    EXPECT_EQ(host.broughtForward, std::vector<Document *>({ doc(1) }));
    EXPECT_EQ(documents.ActiveEdit(), doc(1));
}

TEST_F(ClosePolicyTest, ExitAsksEveryChangedWindowThenClosesThemAll)
{
    open(3);
    doc(1)->setDataChanged(true);
    doc(3)->setDataChanged(true);
    Document *first = doc(1);
    Document *third = doc(3);
    host.answers = { Answer::No, Answer::No };
    EXPECT_TRUE(ClosePolicy::exit(documents, host));
    EXPECT_EQ(host.asked, std::vector<Document *>({ first, third }));
    EXPECT_EQ(documents.hEditCount(), 0);
}

TEST_F(ClosePolicyTest, ACancelledExitLeavesAllOpenAndGivesTheAnsweredNoTheirChangesBack)
{
    open(3);
    for (int k = 1; k <= 3; ++k)
        doc(k)->setDataChanged(true);
    host.answers = { Answer::No, Answer::No, Answer::Cancel };
    EXPECT_FALSE(ClosePolicy::exit(documents, host));
    EXPECT_EQ(documents.hEditCount(), 3);
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(doc(k)->DataChanged()) << k;

    // The next Exit asks about all three again; nothing was approved for good.
    host.asked.clear();
    host.answers = { Answer::No, Answer::Cancel };
    EXPECT_FALSE(ClosePolicy::exit(documents, host));
    ASSERT_EQ(documents.hEditCount(), 3);
    EXPECT_EQ(host.asked.size(), 2u);
    EXPECT_TRUE(doc(1)->DataChanged());
}

TEST_F(ClosePolicyTest, AWindowApprovedInACancelledExitAsksAgainWhenClosedLater)
{
    open(2);
    doc(2)->setDataChanged(true);
    host.answers = { Answer::Cancel };
    EXPECT_FALSE(ClosePolicy::exit(documents, host));
    // The first window had nothing to lose then; now it has.
    doc(1)->setDataChanged(true);
    host.answers = { Answer::Cancel };
    EXPECT_FALSE(ClosePolicy::queryUnload(documents, *doc(1), host));
    EXPECT_EQ(host.asked.back(), doc(1));
}

TEST_F(ClosePolicyTest, AnExitWithAFailedSaveStops)
{
    open(2);
    doc(1)->setDataChanged(true);
    doc(2)->setDataChanged(true);
    host.answers = { Answer::No, Answer::Yes };
    EXPECT_FALSE(ClosePolicy::exit(documents, host));
    EXPECT_EQ(documents.hEditCount(), 2);
    EXPECT_TRUE(doc(1)->DataChanged());
    EXPECT_TRUE(doc(2)->DataChanged());
}

TEST_F(ClosePolicyTest, ExitWithNothingOpenSucceeds)
{
    EXPECT_TRUE(ClosePolicy::exit(documents, host));
    EXPECT_TRUE(host.asked.empty());
}
