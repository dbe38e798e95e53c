// The list as the desktop groups it: items by the calendar day they were created, newest first.
// The recent list holds today and the three days before it; older favourites are under
// Favorites, anything else older in History.
export const scopes = ['recent', 'favorites', 'history'];

const startOfDay = (time) => {
  const date = new Date(time);
  date.setHours(0, 0, 0, 0);
  return date.getTime();
};

function cutoff(now) {
  const date = new Date(now);
  date.setHours(0, 0, 0, 0);
  date.setDate(date.getDate() - 3);
  return date.getTime();
}

export function scopeOf(item, now) {
  if ((item.createdAt ?? 0) >= cutoff(now)) return 'recent';
  return item.isFavorite ? 'favorites' : 'history';
}

// [{day (start of the day, local time), items}] for `scope`, newest day and item first.
export function sections(items, scope, now) {
  return byDay(items.filter((item) => scopeOf(item, now) === scope), () => 0);
}

// The results of a search over every item, by day; within a day the better match (`rankOf`,
// lower is better) first, then the newest.
export function resultSections(items, rankOf) {
  const ranks = new Map(items.map((item) => [item, rankOf(item)]));
  return byDay(items.filter((item) => ranks.get(item) !== null), (a, b) => ranks.get(a) - ranks.get(b));
}

function byDay(items, byRank) {
  const days = new Map();
  const shown = items.sort((a, b) => startOfDay(b.createdAt ?? 0) - startOfDay(a.createdAt ?? 0) || byRank(a, b) ||
    (b.createdAt ?? 0) - (a.createdAt ?? 0) || a.id.localeCompare(b.id));
  for (const item of shown) {
    const day = startOfDay(item.createdAt ?? 0);
    if (!days.has(day)) days.set(day, []);
    days.get(day).push(item);
  }
  return [...days].map(([day, dayItems]) => ({ day, items: dayItems }));
}
