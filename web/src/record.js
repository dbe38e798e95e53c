// Items and the database documents that mirror them, in exactly the desktop's layout:
//   {"_id": record name (the uuid in upper case), "_rev", "recordType": "ShareItem",
//    "fields": {name: {"type": "string"|"int64"|"double"|"timestamp"|"asset", "value": ...}},
//    "device": the writing device's id,
//    "_attachments": {"imageAsset": {"content_type": "image/jpeg", ...}}}
// Timestamps are ISO 8601 UTC with milliseconds. An absent value is a field left out. A deleted
// item is a record that carries only "uuid", "title", "modifiedAt" and "isDeleted" 1.

export const recordType = 'ShareItem';
export const pictureName = 'imageAsset';

const fieldTypes = {
  uuid: 'string', title: 'string', content: 'string', contentType: 'string',
  isCompleted: 'int64', dueDate: 'timestamp', createdAt: 'timestamp', isFavorite: 'int64',
  isDeleted: 'int64', modifiedAt: 'timestamp', trashedAt: 'timestamp', imageAsset: 'asset',
};
const uuidPattern = /^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$/;
const isoPattern = /^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d+)?(Z|[+-]\d\d:\d\d)$/;

export function timestampText(ms) {
  return new Date(ms).toISOString();
}

// The one rule for a link, as on the desktop: the whole trimmed text is a URL with a scheme.
export function isLink(text) {
  if (!text || /[\s<>"{}|\\^`]/.test(text) || !/^[A-Za-z][A-Za-z0-9+.-]*:./.test(text)) return false;
  try {
    new URL(text);
    return true;
  } catch {
    return false;
  }
}

// Schemes that would run code in this page's origin, where the user's items live: a link of
// another device is shown as text then, never opened.
const scriptSchemes = new Set(['javascript:', 'data:', 'vbscript:', 'blob:', 'filesystem:']);

// `text` when it is a link this page may open; null otherwise.
export function openableLink(text) {
  return isLink(text) && !scriptSchemes.has(new URL(text).protocol) ? text : null;
}

export function classify(content, hasPicture) {
  if (isLink(content)) return 'url';
  return hasPicture ? 'image' : 'text';
}

// A field's value as the desktop reads it, or undefined when absent; throws on a malformed one.
function readField(field, attachments) {
  if (!field || typeof field !== 'object' || Array.isArray(field)) throw new Error('a field that is not an object');
  const { type, value } = field;
  if (value === null || value === undefined) return undefined;
  switch (type) {
    case 'string':
      if (typeof value !== 'string') throw new Error('text of another type');
      return value;
    case 'int64':
    case 'double': {
      const number = typeof value === 'string' ? Number(value) : value;
      if (typeof number !== 'number' || (type === 'int64' && !Number.isInteger(number))) throw new Error('a malformed number');
      return number;
    }
    case 'timestamp': {
      const time = typeof value === 'string' && isoPattern.test(value) ? Date.parse(value) : NaN;
      if (Number.isNaN(time)) throw new Error('a malformed time');
      return time;
    }
    case 'asset': {
      const attachment = attachments && attachments[value];
      return attachment ? { name: value, digest: attachment.digest || '' } : undefined;
    }
    default:
      throw new Error(`a field of unknown type ${type}`);
  }
}

function typeOf(value) {
  if (typeof value === 'string') return 'string';
  if (typeof value === 'number') return 'int64';
  return typeof value === 'object' ? 'asset' : 'unknown';
}

// The item a (plain) document holds: {id, rev, uuid, title, content, contentType, isFavorite,
// isDeleted, createdAt, modifiedAt, trashedAt (null: not in the trash), picture: {name, digest} | null,
// device}; or {id, problem}
// when it cannot be read (the desktop skips such a record too, and so does this page).
export function itemFromDocument(document) {
  const id = document._id;
  if (document._deleted) return { id, rev: document._rev, tombstone: true };
  try {
    if (document.fields !== undefined && (typeof document.fields !== 'object' || Array.isArray(document.fields))) {
      throw new Error('fields that are no object');
    }
    const values = {};
    const otherFields = {}; // fields of a later version, written back as they came
    for (const [name, field] of Object.entries(document.fields || {})) {
      if (!fieldTypes[name]) {
        otherFields[name] = field;
        continue;
      }
      let value;
      try {
        value = readField(field, document._attachments);
      } catch (error) {
        if (name === 'modifiedAt') continue; // an unreadable change time counts as none
        throw error;
      }
      if (value === undefined) continue;
      const wanted = fieldTypes[name];
      const matches = wanted === typeOf(value) || (wanted === 'timestamp' && typeof value === 'number');
      if (!matches && name !== 'modifiedAt') throw new Error(`${name} of another type`);
      values[name] = value;
    }
    if (typeof values.uuid !== 'string' || !uuidPattern.test(values.uuid)) throw new Error('no valid uuid');
    return {
      id,
      rev: document._rev,
      uuid: values.uuid.toUpperCase(),
      title: values.title ?? '',
      content: values.content ?? '',
      contentType: values.contentType ?? '',
      isFavorite: values.isFavorite === 1,
      isDeleted: values.isDeleted === 1,
      createdAt: typeof values.createdAt === 'number' ? values.createdAt : null,
      modifiedAt: typeof values.modifiedAt === 'number' ? values.modifiedAt : null,
      trashedAt: typeof values.trashedAt === 'number' ? values.trashedAt : null,
      picture: values.imageAsset || null,
      device: typeof document.device === 'string' ? document.device : '',
      otherFields,
    };
  } catch (error) {
    return { id, rev: document._rev, problem: error.message };
  }
}

const text = (value) => ({ type: 'string', value });
const flag = (value) => ({ type: 'int64', value: value ? 1 : 0 });
const time = (ms) => ({ type: 'timestamp', value: timestampText(ms) });

// The document for `item` written by `device`, over `rev` when it has one. The picture goes as
// new bytes (`pictureBytes`, a Blob or Uint8Array of JPEG) or, unchanged, as a stub by digest.
export function documentFromItem(item, device, pictureBytes = null) {
  const fields = { uuid: text(item.uuid), title: text(item.title), modifiedAt: time(item.modifiedAt) };
  const document = { _id: item.id, recordType, fields, device };
  if (item.rev) document._rev = item.rev;
  if (item.isDeleted) {
    fields.isDeleted = flag(true);
    return document;
  }
  for (const [name, field] of Object.entries(item.otherFields || {})) if (!(name in fields)) fields[name] = field;
  Object.assign(fields, {
    content: text(item.content),
    contentType: text(item.contentType),
    isCompleted: flag(false),
    isFavorite: flag(item.isFavorite),
    isDeleted: flag(false),
  });
  if (item.createdAt !== null) fields.createdAt = time(item.createdAt);
  // In the trash: the desktop keeps it 30 days in Recently Deleted, then removes it for good.
  if (item.trashedAt) fields.trashedAt = time(item.trashedAt);
  else delete fields.trashedAt;
  if (pictureBytes) {
    fields.imageAsset = { type: 'asset', value: pictureName };
    document._attachments = { [pictureName]: { content_type: 'image/jpeg', data: pictureBytes } };
  } else if (item.picture && item.picture.digest) {
    fields.imageAsset = { type: 'asset', value: pictureName };
    document._attachments = {
      [pictureName]: { stub: true, content_type: 'image/jpeg', digest: item.picture.digest },
    };
  }
  return document;
}

// The leaf as the merge rule sees it.
export function leafOf(document) {
  const item = itemFromDocument(document);
  return {
    revision: document._rev,
    isDeleted: !!item.isDeleted,
    modifiedAt: item.modifiedAt ?? null,
    pictureDigest: item.picture ? item.picture.digest : '',
  };
}
