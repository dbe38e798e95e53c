// The sealed format against the desktop's test vectors: the same bytes come out, the same
// passphrase opens the key, and a changed byte, a moved payload or a wrong passphrase opens
// nothing.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import * as sealing from '../../src/sealing.js';

const vectors = JSON.parse(readFileSync(new URL('../../../tests/data/e2ee-vectors.json', import.meta.url)));
const bytes = (base64) => sealing.fromBase64(base64);
const text = (data) => new TextDecoder().decode(data);
let key;

before(async () => {
  await sealing.ready();
  key = { keyId: vectors.keyDocument.document.keyId, dataKey: bytes(vectors.record.dataKey) };
});

test('the key document opens with the passphrase and with no other', () => {
  const { document, passphrase, equivalentPassphrase, wrongPassphrase, dataKey } = vectors.keyDocument;
  assert.equal(sealing.toBase64(sealing.unwrapKey(document, passphrase).dataKey), dataKey);
  assert.equal(sealing.toBase64(sealing.unwrapKey(document, equivalentPassphrase.normalize('NFD')).dataKey), dataKey);
  assert.equal(sealing.unwrapKey(document, wrongPassphrase), null);
  const parts = sealing.readKeyDocument(document);
  const wrapping = sealing.passphraseKey(passphrase, parts.salt, parts.operations, parts.memoryBytes);
  const wrapped = sealing.sealWithNonce(wrapping, bytes(dataKey), sealing.wrapAssociatedData(document.keyId),
    bytes(vectors.keyDocument.wrapNonce));
  assert.equal(sealing.toBase64(wrapped), document.wrappedKey);
});

test('key documents this version cannot use are refused before any work', () => {
  const { document } = vectors.keyDocument;
  for (const [change, problem] of [
    [{ format: 2 }, 'a key document of another format'],
    [{ keyId: 'XYZ' }, 'a malformed key id'],
    [{ kdf: { ...document.kdf, memoryBytes: 8 * 1024 * 1024 * 1024 } }, 'key derivation limits out of bounds'],
    [{ kdf: { ...document.kdf, salt: 'AAEC' } }, 'a malformed key derivation or wrapped key'],
  ]) {
    assert.equal(sealing.readKeyDocument({ ...document, ...change }).problem, problem);
  }
});

test('a record seals to the vector and opens to its fields', () => {
  const { sealed, payloadPlaintext, payloadNonce } = vectors.record;
  const payload = sealing.sealWithNonce(key.dataKey, new TextEncoder().encode(payloadPlaintext),
    sealing.payloadAssociatedData(sealed._id), bytes(payloadNonce));
  assert.equal(sealing.toBase64(payload), sealed.payload);
  const plain = sealing.openDocument(sealed, key);
  assert.deepEqual(plain.fields, JSON.parse(payloadPlaintext).fields);
  assert.equal(plain.recordType, 'ShareItem');
  assert.equal(plain.payload, undefined);

  const again = sealing.openDocument(sealing.sealDocument(plain, {}, key), key);
  assert.deepEqual(again.fields, plain.fields);
  assert.equal(again.device, plain.device);
});

test('the picture seals to the vector, bound to its document and name', () => {
  const { documentId, name, nonce, plain, sealed } = vectors.attachment;
  const made = sealing.sealWithNonce(key.dataKey, bytes(plain), sealing.attachmentAssociatedData(documentId, name), bytes(nonce));
  assert.equal(sealing.toBase64(made), sealed);
  assert.equal(sealing.toBase64(sealing.openAttachment(key, documentId, name, bytes(sealed))), plain);
  assert.equal(sealing.openAttachment(key, 'ANOTHER-DOCUMENT', name, bytes(sealed)), null);
});

test('a changed byte, a moved payload, another key or plain text opens nothing', () => {
  const { sealed } = vectors.record;
  const flipped = bytes(sealed.payload);
  flipped[40] ^= 1;
  assert.equal(sealing.openDocument({ ...sealed, payload: sealing.toBase64(flipped) }, key).problem, 'unauthentic');
  assert.equal(sealing.openDocument({ ...sealed, _id: 'ANOTHER-DOCUMENT' }, key).problem, 'unauthentic');
  assert.equal(sealing.openDocument(sealed, { ...key, keyId: '0'.repeat(32) }).problem, 'locked');
  assert.equal(sealing.openDocument(sealed, null).problem, 'locked');
  const plain = { _id: 'X', recordType: 'ShareItem', fields: { title: { type: 'string', value: 'plain' } } };
  assert.equal(sealing.openDocument(plain, key).problem, 'unsealed');
  assert.equal(sealing.openDocument(plain, null), plain);
  assert.equal(text(sealing.open(key.dataKey, sealing.seal(key.dataKey, new TextEncoder().encode('é'), new Uint8Array()), new Uint8Array())), 'é');
});
