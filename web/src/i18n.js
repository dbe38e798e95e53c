// The page's texts, converted at build time from the desktop's translation files.
import messages from 'stashline-messages'; // made by build.mjs from i18n/*.ts

function pickLanguage(wanted) {
  for (const tag of wanted) {
    const lower = tag.toLowerCase();
    if (lower.startsWith('zh')) return /hant|tw|hk|mo/.test(lower) ? 'zh-Hant' : 'zh-Hans';
    const base = lower.split('-')[0];
    if (messages[base]) return base;
  }
  return 'en';
}

export const language = pickLanguage(typeof navigator === 'undefined' ? [] : navigator.languages || [navigator.language]);
const texts = messages[language];

// The text of `id` with %1, %2 ... filled in.
export function t(id, ...values) {
  const text = texts[id] ?? messages.en[id] ?? id;
  return text.replace(/%(\d)/g, (_, index) => String(values[Number(index) - 1] ?? ''));
}
