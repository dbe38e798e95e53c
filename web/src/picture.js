// A picture from the camera or the gallery as the desktop stores one: JPEG at quality 70. A
// phone photo is scaled down to at most `longestSide` pixels first, so one picture costs the
// phone, the server and every device a few hundred kilobytes instead of several megabytes.
export const longestSide = 2048;

// A JPEG Blob, or throws when the file is no picture the browser can read.
export async function pictureToJpeg(file) {
  const bitmap = await createImageBitmap(file, { imageOrientation: 'from-image' });
  const scale = Math.min(1, longestSide / Math.max(bitmap.width, bitmap.height));
  const width = Math.max(1, Math.round(bitmap.width * scale));
  const height = Math.max(1, Math.round(bitmap.height * scale));
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const context = canvas.getContext('2d');
  context.fillStyle = '#fff'; // transparent parts over white, as on the desktop
  context.fillRect(0, 0, width, height);
  context.drawImage(bitmap, 0, 0, width, height);
  bitmap.close();
  const blob = await new Promise((resolve) => canvas.toBlob(resolve, 'image/jpeg', 0.7));
  if (!blob) throw new Error('the picture could not be encoded');
  return blob;
}
