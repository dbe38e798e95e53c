// The encrypted database format, the same as the desktop's. One key document makes a database
// encrypted:
//   {"_id": "stashline-key", "recordType": "StashlineKey", "format": 1, "keyId": 32 hex digits,
//    "kdf": {"algorithm": "argon2id13", "salt": base64 (16 bytes), "operations", "memoryBytes"},
//    "wrappedKey": base64 of the data key sealed under the passphrase's key, associated data
//                  "stashline-key/" + keyId}
// A sealed record keeps only "_id", "_rev", "recordType", "format", "keyId" readable; "payload"
// is base64 of everything else (the fields, the device) sealed with the document id as
// associated data; an attachment is sealed with "<_id>/<name>" and stored as
// application/octet-stream. Sealed = 24-byte nonce, then XChaCha20-Poly1305 ciphertext and tag.
// The passphrase's key is Argon2id over its NFC form as UTF-8.
import sodiumModule from 'libsodium-wrappers-sumo';

export const keyDocumentID = 'stashline-key';
export const keyRecordType = 'StashlineKey';
export const format = 1;
export const sealedContentType = 'application/octet-stream';
const maximumOperations = 10;
const maximumMemoryBytes = 1024 * 1024 * 1024;
const encoder = new TextEncoder();
const decoder = new TextDecoder();

let sodium = null;
export async function ready() {
  await sodiumModule.ready;
  sodium = sodiumModule;
  return sodium;
}

export const toBase64 = (bytes) => sodium.to_base64(bytes, sodium.base64_variants.ORIGINAL);
export function fromBase64(text) {
  if (typeof text !== 'string') return null;
  try {
    return sodium.from_base64(text, sodium.base64_variants.ORIGINAL);
  } catch {
    return null;
  }
}

export function sealWithNonce(key, plain, associatedData, nonce) {
  const cipher = sodium.crypto_aead_xchacha20poly1305_ietf_encrypt(plain, associatedData, null, nonce, key);
  const sealed = new Uint8Array(nonce.length + cipher.length);
  sealed.set(nonce);
  sealed.set(cipher, nonce.length);
  return sealed;
}

export function seal(key, plain, associatedData) {
  return sealWithNonce(key, plain, associatedData,
    sodium.randombytes_buf(sodium.crypto_aead_xchacha20poly1305_ietf_NPUBBYTES));
}

// The plain bytes, or null when they do not open (changed, moved, another key).
export function open(key, sealed, associatedData) {
  const nonceSize = sodium.crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
  if (!sealed || sealed.length < nonceSize + sodium.crypto_aead_xchacha20poly1305_ietf_ABYTES) return null;
  try {
    return sodium.crypto_aead_xchacha20poly1305_ietf_decrypt(null, sealed.subarray(nonceSize), associatedData,
      sealed.subarray(0, nonceSize), key);
  } catch {
    return null;
  }
}

export const wrapAssociatedData = (keyId) => encoder.encode(`stashline-key/${keyId}`);
export const payloadAssociatedData = (documentId) => encoder.encode(documentId);
export const attachmentAssociatedData = (documentId, name) => encoder.encode(`${documentId}/${name}`);

// The key document's parts, or {problem} when this version cannot use it. Limits beyond the
// ceilings are refused before any work, so a hostile document cannot make the phone spend
// minutes or gigabytes.
export function readKeyDocument(document) {
  const refuse = (problem) => ({ problem });
  if (!document || document._id !== keyDocumentID || document.recordType !== keyRecordType) return refuse('not a key document');
  if (document.format !== format) return refuse('a key document of another format');
  if (!/^[0-9a-f]{32}$/.test(document.keyId || '')) return refuse('a malformed key id');
  const kdf = document.kdf || {};
  const salt = fromBase64(kdf.salt);
  const wrappedKey = fromBase64(document.wrappedKey);
  const { operations, memoryBytes } = kdf;
  if (kdf.algorithm !== 'argon2id13' || !salt || salt.length !== sodium.crypto_pwhash_SALTBYTES || !wrappedKey ||
      !Number.isInteger(operations) || !Number.isInteger(memoryBytes)) {
    return refuse('a malformed key derivation or wrapped key');
  }
  if (operations < sodium.crypto_pwhash_OPSLIMIT_MIN || operations > maximumOperations ||
      memoryBytes < sodium.crypto_pwhash_MEMLIMIT_MIN || memoryBytes > maximumMemoryBytes) {
    return refuse('key derivation limits out of bounds');
  }
  return { keyId: document.keyId, salt, operations, memoryBytes, wrappedKey };
}

export function passphraseKey(passphrase, salt, operations, memoryBytes) {
  return sodium.crypto_pwhash(32, encoder.encode(passphrase.normalize('NFC')), salt, operations, memoryBytes,
    sodium.crypto_pwhash_ALG_ARGON2ID13);
}

// {keyId, dataKey} when `passphrase` opens the key document; null when it is the wrong one.
export function unwrapKey(document, passphrase) {
  const parts = readKeyDocument(document);
  if (parts.problem) throw new Error(parts.problem);
  const wrapping = passphraseKey(passphrase, parts.salt, parts.operations, parts.memoryBytes);
  const dataKey = open(wrapping, parts.wrappedKey, wrapAssociatedData(parts.keyId));
  return dataKey && dataKey.length === 32 ? { keyId: parts.keyId, dataKey } : null;
}

export const isSealed = (document) => Object.prototype.hasOwnProperty.call(document, 'payload');

// The plain view of a stored document: a sealed one opened, a plain one as it is when `key` is
// null (an unencrypted database). What cannot be opened keeps its bookkeeping and a "problem":
// "locked" (another key), "unauthentic" (changed or moved) or "unsealed" (plain text in an
// encrypted database).
export function openDocument(document, key) {
  const skeleton = (problem) => ({ _id: document._id, _rev: document._rev, recordType: document.recordType, problem });
  if (!isSealed(document)) return key && !document._deleted ? skeleton('unsealed') : document;
  if (!key || document.keyId !== key.keyId) return skeleton('locked');
  const payload = fromBase64(document.payload);
  const opened = payload && open(key.dataKey, payload, payloadAssociatedData(document._id));
  if (!opened || document.format !== format) return skeleton('unauthentic');
  let contents;
  try {
    contents = JSON.parse(decoder.decode(opened));
  } catch {
    return skeleton('unauthentic');
  }
  const plain = { ...document };
  delete plain.payload;
  delete plain.keyId;
  delete plain.format;
  for (const [name, value] of Object.entries(contents)) if (!name.startsWith('_')) plain[name] = value;
  return plain;
}

// The sealed form of a plain document (attachments' bytes by name in `attachments`), ready to
// write over its revision. Attachment stubs are kept as they are: the server keeps those bytes.
export function sealDocument(document, attachments, key) {
  const contents = {};
  for (const [name, value] of Object.entries(document)) {
    if (!name.startsWith('_') && name !== 'recordType') contents[name] = value;
  }
  const sealed = {
    _id: document._id,
    format,
    keyId: key.keyId,
    payload: toBase64(seal(key.dataKey, encoder.encode(JSON.stringify(contents)), payloadAssociatedData(document._id))),
  };
  if (document._rev) sealed._rev = document._rev;
  if (document.recordType) sealed.recordType = document.recordType;
  const stored = {};
  for (const [name, attachment] of Object.entries(document._attachments || {})) {
    if (attachment.stub) stored[name] = attachment;
  }
  for (const [name, bytes] of Object.entries(attachments || {})) {
    stored[name] = {
      content_type: sealedContentType,
      data: toBase64(seal(key.dataKey, bytes, attachmentAssociatedData(document._id, name))),
    };
  }
  if (Object.keys(stored).length) sealed._attachments = stored;
  return sealed;
}

export function openAttachment(key, documentId, name, sealed) {
  return open(key.dataKey, sealed, attachmentAssociatedData(documentId, name));
}
