#include "ScreenshotMockCopy.h"

#include "platform/Localization.h"

ScreenshotMockCopy makeMockCopy(const QLocale &locale)
{
    const QString identifier = Localization::localeIdentifier(locale);
    QString language = QLocale::languageToCode(locale.language());
    if (language.isEmpty() || locale.language() == QLocale::C)
        language = QStringLiteral("en");

    if (identifier.contains(QLatin1String("zh_Hant")) || identifier.contains(QLatin1String("zh-Hant")))
        return {QStringLiteral("GPT-5.5：智慧代理與 Codex"), QStringLiteral("Claude Opus 4.7：長任務模型"),
                QStringLiteral("OpenAI 模型與 Codex 登上 AWS"), QStringLiteral("Claude Design：用提示生成原型"),
                QStringLiteral("收藏：Claude Design 原型工作流"), QStringLiteral("收藏：Claude 企業 AI 服務")};
    if (language == QLatin1String("zh"))
        return {QStringLiteral("GPT-5.5：智能体与 Codex"), QStringLiteral("Claude Opus 4.7：长任务模型"),
                QStringLiteral("OpenAI 模型与 Codex 登陆 AWS"), QStringLiteral("Claude Design：用提示生成原型"),
                QStringLiteral("收藏：Claude Design 原型工作流"), QStringLiteral("收藏：Claude 企业 AI 服务")};
    if (language == QLatin1String("ja"))
        return {QStringLiteral("GPT-5.5：エージェントと Codex"), QStringLiteral("Claude Opus 4.7：長時間タスク向け"),
                QStringLiteral("OpenAI モデルと Codex が AWS へ"), QStringLiteral("Claude Design：プロトタイプを生成"),
                QStringLiteral("保存版：Claude Design ワークフロー"), QStringLiteral("保存版：Claude の企業 AI サービス")};
    if (language == QLatin1String("ko"))
        return {QStringLiteral("GPT-5.5: 에이전트와 Codex"), QStringLiteral("Claude Opus 4.7: 긴 작업용 모델"),
                QStringLiteral("OpenAI 모델과 Codex가 AWS로"), QStringLiteral("Claude Design: 프롬프트로 프로토타입 제작"),
                QStringLiteral("즐겨찾기: Claude Design 워크플로"), QStringLiteral("즐겨찾기: Claude 기업 AI 서비스")};
    if (language == QLatin1String("de"))
        return {QStringLiteral("GPT-5.5 für Agenten und Codex"), QStringLiteral("Claude Opus 4.7 für lange Aufgaben"),
                QStringLiteral("OpenAI-Modelle und Codex auf AWS"), QStringLiteral("Claude Design baut Prototypen"),
                QStringLiteral("Favorit: Claude Design Workflow"), QStringLiteral("Favorit: Claude für Enterprise AI")};
    if (language == QLatin1String("fr"))
        return {QStringLiteral("GPT-5.5 pour agents et Codex"), QStringLiteral("Claude Opus 4.7 pour longues tâches"),
                QStringLiteral("Modèles OpenAI et Codex sur AWS"), QStringLiteral("Claude Design crée des prototypes"),
                QStringLiteral("Favori : workflow Claude Design"), QStringLiteral("Favori : services IA Claude")};
    if (language == QLatin1String("es"))
        return {QStringLiteral("GPT-5.5 para agentes y Codex"), QStringLiteral("Claude Opus 4.7 para tareas largas"),
                QStringLiteral("Modelos OpenAI y Codex en AWS"), QStringLiteral("Claude Design crea prototipos"),
                QStringLiteral("Favorito: flujo Claude Design"), QStringLiteral("Favorito: servicios IA Claude")};
    return {QStringLiteral("GPT-5.5 for agents and Codex"), QStringLiteral("Claude Opus 4.7 for long tasks"),
            QStringLiteral("OpenAI models and Codex on AWS"), QStringLiteral("Claude Design turns prompts into prototypes"),
            QStringLiteral("Favorite: Claude Design workflow"), QStringLiteral("Favorite: Claude enterprise AI services")};
}
