#include "tools/video/VideoEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "tools/output/OutputFile.h"

namespace {

struct Container {
    const char* extension;
    const char* format;
    const char* videoCodec;
    const char* audioCodec;
};

constexpr Container containers[] = {
    {".mp4", "mp4", "libx264", "aac"},
    {".mkv", "matroska", "libx264", "flac"},
    {".webm", "webm", "libvpx-vp9", "libopus"},
};

const Container* containerOf(const std::string& path) {
    for (const Container& container : containers) {
        const size_t length = std::strlen(container.extension);
        if (path.size() > length && path.compare(path.size() - length, length, container.extension) == 0)
            return &container;
    }
    return nullptr;
}

std::string describe(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextFree>;
using Frame = std::unique_ptr<AVFrame, FrameFree>;

}  // namespace

struct VideoEncoder::State {
    explicit State(std::string path) : file(std::move(path)) {}
    ~State() {
        if (output != nullptr && output->pb != nullptr) avio_closep(&output->pb);
        avformat_free_context(output);
        sws_freeContext(scaler);
        swr_free(&resampler);
        if (fifo != nullptr) av_audio_fifo_free(fifo);
        if (converted != nullptr) av_freep(&converted[0]);
        av_freep(&converted);
    }

    bool fail(int code, std::string& error) {
        if (failure.empty()) failure = "cannot write " + file.path() + ": " + describe(code);
        error = failure;
        return false;
    }
    bool openVideo(const Container& container, const VideoSettings& settings, std::string& error);
    bool openAudio(const Container& container, const VideoSettings& settings, std::string& error);
    bool addStreamFor(AVCodecContext* context, AVStream*& stream, std::string& error);
    bool encode(AVCodecContext* context, AVStream* stream, const AVFrame* frame, std::string& error);
    bool encodeSound(bool final, std::string& error);

    OutputFile file;
    std::string failure;
    AVFormatContext* output = nullptr;
    CodecContext video;
    CodecContext audio;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    Frame picture = Frame(av_frame_alloc());
    Frame sound = Frame(av_frame_alloc());
    std::unique_ptr<AVPacket, PacketFree> packet{av_packet_alloc()};
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    AVAudioFifo* fifo = nullptr;
    uint8_t** converted = nullptr;  // resampler output, one plane per channel when planar
    int convertedCapacity = 0;
    int64_t framesAdded = 0;
    int64_t samplesEncoded = 0;
    bool finished = false;
};

VideoEncoder::VideoEncoder(std::string path) : state(std::make_unique<State>(std::move(path))) {}

VideoEncoder::~VideoEncoder() = default;

bool VideoEncoder::knowsContainerOf(const std::string& path) { return containerOf(path) != nullptr; }

bool VideoEncoder::State::addStreamFor(AVCodecContext* context, AVStream*& stream, std::string& error) {
    stream = avformat_new_stream(output, nullptr);
    if (stream == nullptr) return fail(AVERROR(ENOMEM), error);
    stream->time_base = context->time_base;
    const int result = avcodec_parameters_from_context(stream->codecpar, context);
    return result >= 0 || fail(result, error);
}

bool VideoEncoder::State::openVideo(const Container& container, const VideoSettings& settings,
                                    std::string& error) {
    const AVCodec* codec = avcodec_find_encoder_by_name(container.videoCodec);
    if (codec == nullptr) return fail(AVERROR_ENCODER_NOT_FOUND, error);
    video.reset(avcodec_alloc_context3(codec));
    if (!video) return fail(AVERROR(ENOMEM), error);
    video->width = settings.width;
    video->height = settings.height;
    video->pix_fmt = AV_PIX_FMT_YUV420P;
    video->time_base = {static_cast<int>(settings.fpsDenominator), static_cast<int>(settings.fpsNumerator)};
    video->framerate = {static_cast<int>(settings.fpsNumerator), static_cast<int>(settings.fpsDenominator)};
    // Tagged BT.709, limited range, and converted with the same matrix below.
    video->colorspace = AVCOL_SPC_BT709;
    video->color_primaries = AVCOL_PRI_BT709;
    video->color_trc = AVCOL_TRC_BT709;
    video->color_range = AVCOL_RANGE_MPEG;
    if (output->oformat->flags & AVFMT_GLOBALHEADER) video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    if (codec->id == AV_CODEC_ID_H264) {
        av_dict_set_int(&options, "crf", settings.crf, 0);
        av_dict_set(&options, "preset", settings.preset.c_str(), 0);
        // One encoding thread per core (x264 would start one and a half) and the lookahead in step
        // with them, not buffered ahead: each frame x264 holds costs 1.5 bytes a pixel several
        // times over (130 MB less at 4K), and the renderer needs its share of the cores anyway.
        video->thread_count = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        av_dict_set(&options, "x264-params", "sync-lookahead=0", 0);
    } else {
        // VP9 at constant quality and libvpx's quickest speed, splitting rows across the cores.
        av_dict_set_int(&options, "crf", 32, 0);
        av_dict_set(&options, "b", "0", 0);
        av_dict_set(&options, "deadline", "realtime", 0);
        av_dict_set(&options, "cpu-used", "8", 0);
        av_dict_set(&options, "row-mt", "1", 0);
    }
    int result = avcodec_open2(video.get(), codec, &options);
    av_dict_free(&options);
    if (result < 0) return fail(result, error);

    picture->format = video->pix_fmt;
    picture->width = video->width;
    picture->height = video->height;
    if ((result = av_frame_get_buffer(picture.get(), 0)) < 0) return fail(result, error);
    scaler = sws_getContext(settings.width, settings.height, AV_PIX_FMT_RGBA, settings.width, settings.height,
                            AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (scaler == nullptr) return fail(AVERROR(EINVAL), error);
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    return addStreamFor(video.get(), videoStream, error);
}

bool VideoEncoder::State::openAudio(const Container& container, const VideoSettings& settings,
                                    std::string& error) {
    const AVCodec* codec = avcodec_find_encoder_by_name(container.audioCodec);
    if (codec == nullptr) return fail(AVERROR_ENCODER_NOT_FOUND, error);
    audio.reset(avcodec_alloc_context3(codec));
    if (!audio) return fail(AVERROR(ENOMEM), error);
    // The sound's own rate where the codec takes it (Opus takes only 48 kHz).
    int rate = settings.sampleRate;
    if (codec->supported_samplerates != nullptr) {
        const int* rates = codec->supported_samplerates;
        bool supported = false;
        for (const int* r = rates; *r != 0; ++r) supported = supported || *r == rate;
        if (!supported) rate = 48000;
    }
    audio->sample_rate = rate;
    audio->sample_fmt = codec->sample_fmts != nullptr ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    audio->time_base = {1, rate};
    av_channel_layout_default(&audio->ch_layout, 2);
    if (codec->id != AV_CODEC_ID_FLAC) audio->bit_rate = codec->id == AV_CODEC_ID_AAC ? 192000 : 160000;
    if (output->oformat->flags & AVFMT_GLOBALHEADER) audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int result = avcodec_open2(audio.get(), codec, nullptr);
    if (result < 0) return fail(result, error);

    AVChannelLayout stereo{};
    av_channel_layout_default(&stereo, 2);
    result = swr_alloc_set_opts2(&resampler, &audio->ch_layout, audio->sample_fmt, rate, &stereo, AV_SAMPLE_FMT_S16,
                                 settings.sampleRate, 0, nullptr);
    if (result < 0 || (result = swr_init(resampler)) < 0) return fail(result, error);
    fifo = av_audio_fifo_alloc(audio->sample_fmt, 2, std::max(audio->frame_size, 1024));
    if (fifo == nullptr) return fail(AVERROR(ENOMEM), error);
    return addStreamFor(audio.get(), audioStream, error);
}

bool VideoEncoder::open(const VideoSettings& settings, std::string& error) {
    State& s = *state;
    av_log_set_level(AV_LOG_ERROR);  // the libraries' chatter would bury the progress line
    const Container* container = containerOf(s.file.path());
    if (container == nullptr) return s.fail(AVERROR_MUXER_NOT_FOUND, error);
    if (!s.file.create(error)) return false;
    int result = avformat_alloc_output_context2(&s.output, nullptr, container->format, s.file.writingPath().c_str());
    if (result < 0) return s.fail(result, error);
    if (!s.openVideo(*container, settings, error) || !s.openAudio(*container, settings, error)) return false;
    if ((result = avio_open(&s.output->pb, s.file.writingPath().c_str(), AVIO_FLAG_WRITE)) < 0)
        return s.fail(result, error);
    AVDictionary* options = nullptr;
    if (container->format == std::string("mp4")) av_dict_set(&options, "movflags", "+faststart", 0);
    result = avformat_write_header(s.output, &options);
    av_dict_free(&options);
    return result >= 0 || s.fail(result, error);
}

bool VideoEncoder::State::encode(AVCodecContext* context, AVStream* stream, const AVFrame* frame,
                                 std::string& error) {
    int result = avcodec_send_frame(context, frame);
    if (result < 0) return fail(result, error);
    while ((result = avcodec_receive_packet(context, packet.get())) >= 0) {
        av_packet_rescale_ts(packet.get(), context->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if ((result = av_interleaved_write_frame(output, packet.get())) < 0) return fail(result, error);
    }
    return result == AVERROR(EAGAIN) || result == AVERROR_EOF || fail(result, error);
}

bool VideoEncoder::addFrame(const uint8_t* pixels, std::string& error) {
    State& s = *state;
    if (!s.failure.empty() || !s.video) return s.fail(AVERROR(EINVAL), error);
    int result = av_frame_make_writable(s.picture.get());
    if (result < 0) return s.fail(result, error);
    // Bottom row first: start at the last row and step backwards, which turns the picture upright.
    const int stride = 4 * s.video->width;
    const uint8_t* rows[1] = {pixels + static_cast<ptrdiff_t>(stride) * (s.video->height - 1)};
    const int strides[1] = {-stride};
    sws_scale(s.scaler, rows, strides, 0, s.video->height, s.picture->data, s.picture->linesize);
    s.picture->pts = s.framesAdded++;
    return s.encode(s.video.get(), s.videoStream, s.picture.get(), error);
}

bool VideoEncoder::State::encodeSound(bool final, std::string& error) {
    const int frameSize = audio->frame_size > 0 ? audio->frame_size : 1024;
    while (av_audio_fifo_size(fifo) >= frameSize || (final && av_audio_fifo_size(fifo) > 0)) {
        const int count = std::min(frameSize, av_audio_fifo_size(fifo));
        av_frame_unref(sound.get());
        sound->format = audio->sample_fmt;
        sound->sample_rate = audio->sample_rate;
        // A short last frame is padded with silence for codecs that take only whole frames.
        const bool whole = (audio->codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME |
                                                          AV_CODEC_CAP_VARIABLE_FRAME_SIZE)) == 0;
        sound->nb_samples = whole ? frameSize : count;
        int result = av_channel_layout_copy(&sound->ch_layout, &audio->ch_layout);
        if (result < 0 || (result = av_frame_get_buffer(sound.get(), 0)) < 0) return fail(result, error);
        av_samples_set_silence(sound->data, 0, sound->nb_samples, 2, audio->sample_fmt);
        if (av_audio_fifo_read(fifo, reinterpret_cast<void**>(sound->data), count) < count)
            return fail(AVERROR(EIO), error);
        sound->pts = samplesEncoded;
        samplesEncoded += sound->nb_samples;
        if (!encode(audio.get(), audioStream, sound.get(), error)) return false;
    }
    return true;
}

bool VideoEncoder::addSound(const int16_t* stereo, int frames, std::string& error) {
    State& s = *state;
    if (!s.failure.empty() || !s.audio) return s.fail(AVERROR(EINVAL), error);
    const int room = swr_get_out_samples(s.resampler, frames);
    if (room > s.convertedCapacity) {
        if (s.converted != nullptr) av_freep(&s.converted[0]);
        av_freep(&s.converted);
        const int result =
            av_samples_alloc_array_and_samples(&s.converted, nullptr, 2, room, s.audio->sample_fmt, 0);
        if (result < 0) return s.fail(result, error);
        s.convertedCapacity = room;
    }
    const uint8_t* in[1] = {reinterpret_cast<const uint8_t*>(stereo)};
    const int produced = swr_convert(s.resampler, s.converted, room, stereo != nullptr ? in : nullptr, frames);
    if (produced < 0) return s.fail(produced, error);
    if (av_audio_fifo_write(s.fifo, reinterpret_cast<void**>(s.converted), produced) < produced)
        return s.fail(AVERROR(ENOMEM), error);
    return s.encodeSound(false, error);
}

bool VideoEncoder::finish(std::string& error) {
    State& s = *state;
    if (!s.failure.empty() || !s.video || s.finished) return s.fail(AVERROR(EINVAL), error);
    s.finished = true;
    // What the resampler still holds, the last short frame, then each encoder's delayed packets.
    if (!addSound(nullptr, 0, error) || !s.encodeSound(true, error) ||
        !s.encode(s.video.get(), s.videoStream, nullptr, error) ||
        !s.encode(s.audio.get(), s.audioStream, nullptr, error))
        return false;
    int result = av_write_trailer(s.output);
    if (result < 0) return s.fail(result, error);
    result = s.output->pb->error;
    const int closed = avio_closep(&s.output->pb);
    if (result < 0 || (result = closed) < 0) return s.fail(result, error);
    return s.file.commit(error);
}
