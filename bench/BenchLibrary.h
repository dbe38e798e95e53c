#pragma once

// A user's library of items for the benchmarks at scale: years of everyday use. Notes of a few
// to forty words, links to a few dozen sites (most to a handful of them), pictures with a short
// title; one item in fifty a favourite; about one in twenty in Japanese, Chinese or Korean;
// spread evenly over the two years before `now`, newest first, every one synced. Words follow
// Zipf's law over a vocabulary of thirty thousand, as words in writing do: a few are everywhere,
// most are rare; sites are skewed the same way. Deterministic for a seed, and written only
// through the store's public API, so every build can run it.
#include "platform/ManagedObjectContext.h"
#include "store/ShareItem.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace BenchLibrary {

inline const QStringList &words()
{
    static const QStringList list = QStringLiteral(
        "the of and to in is for on with that this from meeting notes project plan ideas list todo buy call "
        "email send read later article recipe dinner lunch book movie music travel trip flight hotel budget "
        "invoice receipt tax report draft review design code release bug fix test server deploy backup photo "
        "camera garden kitchen house rent car insurance doctor appointment school class homework birthday gift "
        "party wedding holiday summer winter spring autumn weekend monday friday morning evening week month year "
        "coffee tea bread milk eggs cheese apple banana orange tomato pasta rice soup salad chicken fish garlic "
        "onion pepper running yoga bike hike mountain river lake beach city museum concert ticket password "
        "wifi router printer laptop phone tablet charger cable keyboard mouse monitor speaker headphones "
        "podcast episode chapter quote idea question answer summary agenda minutes deadline milestone launch "
        "customer client vendor contract proposal estimate quote payment transfer account statement pension "
        "salary bonus interview resume portfolio presentation slides workshop conference talk paper research "
        "library archive folder document spreadsheet database query schema migration index cache memory disk "
        "network kernel driver update upgrade install config settings theme font color icon logo brand website "
        "domain hosting certificate security privacy license terms policy support feedback survey newsletter "
        "paris berlin tokyo seoul beijing taipei madrid london lisbon vienna prague oslo dublin rome athens")
                                          .split(QLatin1Char(' '));
    return list;
}

inline const QStringList &asianTitles()
{
    static const QStringList list{
        QStringLiteral("東京タワーの夜景"), QStringLiteral("会議の議事録"),     QStringLiteral("買い物リスト"),
        QStringLiteral("プロジェクト計画"), QStringLiteral("北京烤鸭餐厅"),     QStringLiteral("周末旅行计划"),
        QStringLiteral("台北捷運路線"),     QStringLiteral("서울 여행 계획"),   QStringLiteral("회의록 정리"),
        QStringLiteral("요리 레시피 모음"),
    };
    return list;
}

inline const QStringList &hosts()
{
    static const QStringList list{
        QStringLiteral("github.com"),        QStringLiteral("www.youtube.com"),   QStringLiteral("en.wikipedia.org"),
        QStringLiteral("news.ycombinator.com"), QStringLiteral("stackoverflow.com"), QStringLiteral("www.nytimes.com"),
        QStringLiteral("docs.python.org"),   QStringLiteral("medium.com"),        QStringLiteral("www.reddit.com"),
        QStringLiteral("maps.google.com"),   QStringLiteral("www.bbc.co.uk"),     QStringLiteral("arxiv.org"),
        QStringLiteral("www.amazon.de"),     QStringLiteral("blog.example.org"),  QStringLiteral("cooking.example.com"),
        QStringLiteral("www.lemonde.fr"),    QStringLiteral("qiita.com"),         QStringLiteral("www.zhihu.com"),
        QStringLiteral("www.naver.com"),     QStringLiteral("docs.qt.io"),
    };
    return list;
}

// An index in [0, size) drawn with weight 1/(index + 1), as Zipf's law has it.
inline qsizetype zipfIndex(QRandomGenerator &random, qsizetype size)
{
    double total = 0;
    for (qsizetype rank = 1; rank <= size; ++rank)
        total += 1.0 / double(rank);
    double target = random.generateDouble() * total;
    for (qsizetype index = 0; index < size; ++index) {
        target -= 1.0 / double(index + 1);
        if (target <= 0)
            return index;
    }
    return size - 1;
}

// The vocabulary: the words above first, then made-up words for the long tail a real person's
// writing has (names, places, products, terms of their trade), thirty thousand words in all.
inline const QStringList &vocabulary()
{
    static const QStringList list = [] {
        QStringList all = words();
        const QStringList syllables = QStringLiteral(
            "ka lo mi ren sta ver quo tin pal dor en is ash ple gor ix un me bra cle dri fen gal hu jor kel "
            "lun mar nov orb pix qua rix sel tor ul vim wex yar zan").split(QLatin1Char(' '));
        QRandomGenerator random(2026);
        QSet<QString> seen(all.begin(), all.end());
        while (all.size() < 30000) {
            QString word;
            const int parts = 2 + int(random.bounded(3));
            for (int part = 0; part < parts; ++part)
                word += syllables.at(random.bounded(int(syllables.size())));
            if (!seen.contains(word)) {
                seen.insert(word);
                all.append(word);
            }
        }
        return all;
    }();
    return list;
}

// A word of the vocabulary drawn as words occur in writing: the word of rank r with weight 1/r.
inline const QString &zipfWord(QRandomGenerator &random)
{
    static const std::vector<double> cumulative = [] {
        std::vector<double> sums;
        double sum = 0;
        for (qsizetype rank = 1; rank <= vocabulary().size(); ++rank)
            sums.push_back(sum += 1.0 / double(rank));
        return sums;
    }();
    const double target = random.generateDouble() * cumulative.back();
    const auto found = std::lower_bound(cumulative.begin(), cumulative.end(), target);
    return vocabulary().at(qMin(qsizetype(found - cumulative.begin()), vocabulary().size() - 1));
}

inline QString phrase(QRandomGenerator &random, int minimum, int maximum)
{
    const int count = minimum + int(random.bounded(maximum - minimum + 1));
    QStringList chosen;
    for (int index = 0; index < count; ++index)
        chosen.append(zipfWord(random));
    return chosen.join(QLatin1Char(' '));
}

// Adds `count` items and saves them, in batches.
inline bool fill(ManagedObjectContext &context, int count, const QDateTime &now, quint32 seed = 7)
{
    QRandomGenerator random(seed);
    const qint64 spanMsecs = 2LL * 365 * 24 * 3600 * 1000;
    for (int index = 0; index < count; ++index) {
        ShareItem *item = ShareItem::insert(context);
        item->setCreatedAt(now.addMSecs(-(spanMsecs / count) * index - qint64(random.bounded(60000))));
        item->setModifiedAt(item->createdAt());
        const quint32 kind = random.bounded(100);
        if (random.bounded(20) == 0) {
            item->setTitle(asianTitles().at(random.bounded(int(asianTitles().size()))));
            item->setContent(phrase(random, 3, 12));
            item->setContentType(QStringLiteral("text"));
        } else if (kind < 40) {
            const QString host = hosts().at(zipfIndex(random, hosts().size()));
            item->setTitle(phrase(random, 2, 8));
            item->setContent(QStringLiteral("https://%1/%2/%3").arg(host, zipfWord(random)).arg(index));
            item->setContentType(QStringLiteral("url"));
        } else if (kind < 90) {
            item->setTitle(random.bounded(3) == 0 ? QString(QLatin1String("")) : phrase(random, 1, 6));
            item->setContent(phrase(random, 3, 40));
            item->setContentType(QStringLiteral("text"));
        } else {
            item->setTitle(phrase(random, 1, 4));
            item->setContent(QString(QLatin1String("")));
            item->setContentType(QStringLiteral("image"));
            item->setImageUUID(QUuid::createUuidV5(QUuid(), QString::number(index)));
        }
        item->setIsFavorite(random.bounded(50) == 0);
        item->setSyncStatus(ShareItem::SyncStatus::synced);
        item->setCloudKitRecordID(item->uuid().toString(QUuid::WithoutBraces).toUpper());
        item->setLastSyncDate(item->createdAt());
        item->setCloudRevision(QStringLiteral("1-%1").arg(random.generate64(), 16, 16, QLatin1Char('0')).repeated(2).left(34));
        if (!item->imageUUID().isNull())
            item->setImageDigest(QStringLiteral("md5-%1==").arg(random.generate64(), 22, 36, QLatin1Char('0')));
        if ((index + 1) % 10000 == 0 || index + 1 == count) {
            if (context.save())
                return false;
        }
    }
    return true;
}

} // namespace BenchLibrary
