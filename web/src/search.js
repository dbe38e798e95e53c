// The desktop's search, in the page: the same words and filters, over every item whatever its
// scope.
//   words, "quoted phrases"   all must occur in the title, the content or the link's host,
//                              ignoring case; -word leaves out the items that hold it
//   is:fav, is:note, is:link, is:picture (several kinds mean any), site:example.org (that host
//   and the hosts under it), before:2026-12-01, after:2026-12-01 (that day included), and -is:…,
//   -site:… for the opposite; -before:D is after:D and -after:D before:D.
// Anything it does not know as a filter is searched as text, so parsing never fails.
const quotes = new Set(['"', '\u201C', '\u201D', '\u201E']);
const kindsByName = { note: 'text', text: 'text', link: 'url', url: 'url', picture: 'image', image: 'image' };

function tokenize(text) {
  const tokens = [];
  let index = 0;
  const isSpace = (character) => /\s/.test(character);
  while (index < text.length) {
    while (index < text.length && isSpace(text[index])) index++;
    if (index === text.length) break;
    const token = { text: '', negated: false, quoted: false };
    if (text[index] === '-' && index + 1 < text.length && !isSpace(text[index + 1])) {
      token.negated = true;
      index++;
    }
    if (quotes.has(text[index])) {
      const start = ++index; // a phrase runs to the closing quote, or to the end
      while (index < text.length && !quotes.has(text[index])) index++;
      token.text = text.slice(start, index).trim().replace(/\s+/g, ' ');
      token.quoted = true;
      if (index < text.length) index++;
    } else {
      const start = index;
      while (index < text.length && !isSpace(text[index])) index++;
      token.text = text.slice(start, index);
    }
    if (token.text) tokens.push(token);
  }
  return tokens;
}

function normalizedSite(site) {
  let host = site.toLowerCase();
  const scheme = host.indexOf('://');
  if (scheme >= 0) host = host.slice(scheme + 3);
  host = host.split(/[/?#:]/)[0];
  if (host.startsWith('www.')) host = host.slice(4);
  return host.replace(/^\.+/, '');
}

const addUnique = (list, value) => { if (!list.includes(value)) list.push(value); };

function applyFilter(query, token) {
  const colon = token.text.indexOf(':');
  if (token.quoted || colon <= 0 || colon === token.text.length - 1) return false;
  const name = token.text.slice(0, colon).toLowerCase();
  const value = token.text.slice(colon + 1);
  if (name === 'is') {
    const lower = value.toLowerCase();
    if (['fav', 'favorite', 'favourite'].includes(lower)) {
      query.favorite = !token.negated;
      return true;
    }
    if (!kindsByName[lower]) return false;
    addUnique(token.negated ? query.excludedKinds : query.kinds, kindsByName[lower]);
    return true;
  }
  if (name === 'site') {
    const site = normalizedSite(value);
    if (!site) return false;
    addUnique(token.negated ? query.excludedSites : query.sites, site);
    return true;
  }
  if (name === 'before' || name === 'after') {
    const match = /^(\d{4})-(\d\d)-(\d\d)$/.exec(value);
    const day = match && new Date(Number(match[1]), Number(match[2]) - 1, Number(match[3])).getTime();
    if (!match || new Date(day).getDate() !== Number(match[3])) return false;
    const isBefore = (name === 'before') !== token.negated;
    if (isBefore && (query.before === null || day < query.before)) query.before = day;
    if (!isBefore && (query.after === null || day > query.after)) query.after = day;
    return true;
  }
  return false;
}

export function parseQuery(text) {
  const query = { terms: [], excludedTerms: [], favorite: null, kinds: [], excludedKinds: [], sites: [],
    excludedSites: [], before: null, after: null };
  for (const token of tokenize(text)) {
    if (!applyFilter(query, token)) addUnique(token.negated ? query.excludedTerms : query.terms, token.text);
  }
  return query;
}

export function isEmptyQuery(query) {
  return !query.terms.length && !query.excludedTerms.length && query.favorite === null && !query.kinds.length &&
    !query.excludedKinds.length && !query.sites.length && !query.excludedSites.length && query.before === null &&
    query.after === null;
}

function hostOf(item) {
  if (item.contentType !== 'url') return '';
  try {
    return normalizedSite(new URL(item.content).host);
  } catch {
    return '';
  }
}

const kindOf = (item) => (item.contentType === 'url' ? 'url' : item.picture ? 'image' : 'text');
const onSite = (host, site) => host === site || host.endsWith(`.${site}`);

// How well `item` matches `query`: null for no match, 0 when the title holds every word, 1
// otherwise (title matches come first).
export function matchRank(item, query) {
  const title = item.title.toLocaleLowerCase();
  const text = `${title}\n${item.content.toLocaleLowerCase()}\n${hostOf(item)}`;
  const holds = (term) => text.includes(term.toLocaleLowerCase());
  if (!query.terms.every(holds) || query.excludedTerms.some(holds)) return null;
  if (query.favorite !== null && item.isFavorite !== query.favorite) return null;
  const kind = kindOf(item);
  if ((query.kinds.length && !query.kinds.includes(kind)) || query.excludedKinds.includes(kind)) return null;
  const host = hostOf(item);
  if ((query.sites.length && !query.sites.some((site) => onSite(host, site))) ||
      query.excludedSites.some((site) => onSite(host, site))) return null;
  const created = item.createdAt ?? Date.now();
  if ((query.before !== null && created >= query.before) || (query.after !== null && created < query.after)) return null;
  return query.terms.every((term) => title.includes(term.toLocaleLowerCase())) ? 0 : 1;
}
