// Converts the desktop's translation files (i18n/stashline_*.ts) into the web app's messages:
// {language: {id: text}} for the ids the page uses, so the phone speaks the same eight languages
// with the same words. A missing id or translation stops the build: a page must never show a key.
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';

// Ids of the desktop's texts the page shows, and its own ("web." ids).
export const messageIds = [
  'Stashline', 'date.today', 'date.yesterday', 'share.list.title.recent', 'share.favorites.title',
  'share.history.title', 'share.history.empty', 'share.list.empty.message', 'share.item.untitled',
  'share.sync.status.pending', 'share.sync.status.failed', 'share.sync.retry', 'general.delete',
  'general.delete.confirmation.title', 'general.delete.confirmation.message', 'general.cancel', 'general.add',
  'general.copy', 'general.open', 'Favorite', 'Unfavorite', 'share.extension.title.placeholder',
  'share.list.quickAdd.placeholder', 'share.list.add.image', 'share.composer.removeImage.accessibility',
  'share.composer.favorite.accessibility', 'share.edit.title', 'share.composer.title.label',
  'share.composer.content.label', 'general.save', 'share.search.placeholder', 'share.search.noResults %1',
  'web.sync.sent', 'web.share', 'web.copied', 'web.picture.camera', 'web.picture.failed', 'web.offline',
  'web.sync.failed', 'web.locked.title', 'web.locked.message', 'web.locked.field', 'web.locked.unlock',
  'web.locked.working', 'web.locked.wrong',
];

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const unescape = (text) => text.replace(/&(amp|lt|gt|quot|apos|#(\d+)|#x([0-9a-fA-F]+));/g,
  (_, name, decimal, hex) => entities[name] ?? String.fromCodePoint(decimal ? Number(decimal) : parseInt(hex, 16)));

// "stashline_zh_Hant.ts" -> "zh-Hant"
const languageOf = (file) => file.replace(/^stashline_|\.ts$/g, '').replace('_', '-');

export function readMessages(i18nDirectory) {
  const messages = {};
  for (const file of readdirSync(i18nDirectory).filter((name) => /^stashline_.*\.ts$/.test(name))) {
    const source = readFileSync(join(i18nDirectory, file), 'utf8');
    const texts = {};
    for (const match of source.matchAll(/<message id="([^"]+)">([\s\S]*?)<\/message>/g)) {
      const translation = /<translation(?: [^>]*)?>([\s\S]*?)<\/translation>/.exec(match[2]);
      if (translation && translation[1]) texts[unescape(match[1])] = unescape(translation[1]);
    }
    const language = languageOf(file);
    messages[language] = {};
    for (const id of messageIds) {
      if (!texts[id]) throw new Error(`${file} has no translation of ${id}`);
      messages[language][id] = texts[id];
    }
  }
  if (Object.keys(messages).length !== 8) throw new Error(`expected eight languages in ${i18nDirectory}`);
  return messages;
}
